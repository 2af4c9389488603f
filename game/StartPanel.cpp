// The start panel: course buttons, hint, rating and the credits.
#include <initializer_list>

#include "base/Translation.h"
#include "game/CourseTable.h"
#include "game/StartPanel.h"
#include "ui/core/ControlStyle.h"

namespace game {
namespace {

constexpr base::Colour kTitleBar{166, 202, 240};  // light blue
constexpr int kZeroCount = 51;                    // characters of each line of zeros

}  // namespace

void StartPanel::layoutStartPanel(const ui::Font& defaultFont) {
    using namespace base::colours;
    start_box.setBackground(Black);
    const ui::Look onBlack{.back = Black};
    const std::string zeros(kZeroCount, '0');
    dress(Label26, zeros, ui::font(19, White, true, ui::kMinchoP), onBlack);
    dress(Label27, zeros, ui::font(19, White, true, ui::kMinchoP), onBlack);
    dress(Label28, base::translate("StartPanel", "SELECT CORSE"), ui::font(48, White), onBlack);
    dress(Label29, "", defaultFont, {.back = White});

    const auto buttons = courseButtons();
    for (std::uint8_t n = 1; n <= kCourseCount; ++n)
        dress(*buttons[n - 1], base::translateData("Courses", course(n).caption), ui::font(13, Black));
    c_b3.setKind(ui::Button::Kind::Picture);

    dress(star_l, "★", ui::font(16, Fuchsia), onBlack);
    dress(star_l3, base::translate("StartPanel", "難易度＞"), ui::font(13, Teal), onBlack);
    dress(star_l2, "☆☆☆☆☆☆☆☆", ui::font(27, Yellow), onBlack);
    dress(hint_l, "", ui::font(13, Aqua, true, ui::kMinchoP), {.back = Black, .wrap = true});
    dress(Label30, base::translate("StartPanel", "ZORBAN BLOCK 5TH MIX"), ui::font(24, Navy),
          {.back = kTitleBar, .align = ui::Align::Center});
    dress(Label31,
          base::translate("StartPanel",
                          "制作：ゾルバン開発チーム　ステージ協力：ペルトラ！！！、ヴェロリスほか"),
          ui::font(16, Silver, false), onBlack);
    dress(Label32, "https://zorban.example.org/", ui::font(16, Silver, false), onBlack);
    dress(Label33, "zorban@example.org", ui::font(16, Silver, false), onBlack);
    Label31.setBounds({40, 382, 525, 16});
    Label32.setBounds({40, 398, 270, 16});
    Label33.setBounds({320, 398, 270, 16});  // beside the home page: three stacked lines would overlap

    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Label26, &Label28, &Label29, &c_b1, &Button6, &c_b4, &c_b6, &c_b3, &c_b5, &star_l, &star_l3,
             &star_l2, &hint_l, &Label30, &Label31, &Label32, &Label33, &Label27})
        start_box.add(*c);
}

}  // namespace game
