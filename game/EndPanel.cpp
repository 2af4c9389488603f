// The end panel: the run's results and the course records.
#include <initializer_list>

#include "base/Translation.h"
#include "game/EndPanel.h"
#include "ui/core/ControlStyle.h"

namespace game {
namespace {

constexpr base::Colour kCourseNameBack{128, 0, 255};

}  // namespace

void EndPanel::layoutEndPanel(const ui::Font& defaultFont) {
    using namespace base::colours;
    end_box.setFramed(true);  // a group box without caption
    // The texts lie on the white results box; transparent, a long caption is not cut by its neighbour.
    const ui::Look onWhite{.back = White, .transparent = true};
    dress(Label7, base::translate("EndPanel", "YOUR DATA in This CORSE"), ui::font(13, White),
          {.back = Grey, .align = ui::Align::Center});
    dress(Label20, "", defaultFont, {.back = White});
    dress(end_corse_l, "", ui::font(37, Aqua, true, ui::kMinchoP),
          {.back = kCourseNameBack, .align = ui::Align::Center});
    dress(clear_l, "", ui::font(24, Red, true, ui::kGothicP, true), onWhite);
    clear_l.setBounds({188, 144, 260, 30});  // room for "This Corse All Clear!!"
    dress(Label3, base::translate("EndPanel", "YOUR SCORE"), ui::font(13, Grey), onWhite);
    dress(end_point_l, "", ui::font(37, Fuchsia),
          {.back = White, .transparent = true, .align = ui::Align::Right});
    dress(Label19, base::translate("EndPanel", "YEN"), ui::font(13, Black), onWhite);
    dress(Label18, base::translate("EndPanel", "YOUR HI-SCORE"), ui::font(13, Silver), onWhite);
    dress(end_hipoint_l, "", ui::font(29, Grey),
          {.back = White, .transparent = true, .align = ui::Align::Right});
    dress(Label23, base::translate("EndPanel", "YEN"), ui::font(13, Grey), onWhite);
    dress(Label21, base::translate("EndPanel", "CLEAR STAGE"), ui::font(13, Grey), onWhite);
    dress(end_stage_l, "", ui::font(27, Black), onWhite);
    end_stage_l.setBounds({156, 292, 120, 33});
    dress(Label24, base::translate("EndPanel", "MAX COMBO"), ui::font(13, Grey), onWhite);
    dress(end_combo_l, "", ui::font(27, Black), onWhite);
    dress(Label25, base::translate("EndPanel", "HI-MAX COMBO"), ui::font(13, Silver), onWhite);
    dress(end_hi_combo_l, "", ui::font(27, Grey), onWhite);
    dress(Label6, base::translate("EndPanel", "ANY CORSE ALL CLEAR 回数"), ui::font(13, Grey),
          {.transparent = true});
    dress(end_all_l, "", ui::font(27, Grey), {.transparent = true});
    end_all_l.setBounds({252, 420, 60, 33});
    dress(Button10, base::translate("EndPanel", "ＳＡＶＥ ＡＮＤ GAME END...."), ui::font(12, Black));

    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Label7, &Label20, &end_corse_l, &clear_l, &Label3, &end_point_l, &Label19, &Label18,
             &end_hipoint_l, &Label23, &Label21, &end_stage_l, &Label24, &end_combo_l, &Label25,
             &end_hi_combo_l, &Label6, &end_all_l, &Button10})
        end_box.add(*c);
}

}  // namespace game
