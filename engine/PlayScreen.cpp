// The play screen's layout, stacking and start-up.
#include "engine/PlayScreen.h"

#include <utility>

#include "base/Translation.h"
#include "engine/FieldPainter.h"
#include "engine/PauseControl.h"
#include "engine/PlayScreenColours.h"

namespace engine {
namespace {

constexpr base::Colour kMpFore{255, 128, 255};
constexpr base::Colour kHpFore{214, 172, 255};
constexpr int kGaugeMax = 99;

using LookedLabel = std::pair<ui::Label PlayScreen::*, LabelLook PlayScreenLook::*>;
constexpr LookedLabel kLookedLabels[] = {
    {&PlayScreen::moji_l3, &PlayScreenLook::moji_l3}, {&PlayScreen::moji_l3a, &PlayScreenLook::moji_l3a},
    {&PlayScreen::moji_l2, &PlayScreenLook::moji_l2}, {&PlayScreen::moji_l2a, &PlayScreenLook::moji_l2a},
    {&PlayScreen::moji_l, &PlayScreenLook::moji_l},   {&PlayScreen::Label5, &PlayScreenLook::Label5},
    {&PlayScreen::Label1, &PlayScreenLook::Label1},   {&PlayScreen::point_l, &PlayScreenLook::point_l},
    {&PlayScreen::Label2, &PlayScreenLook::Label2},   {&PlayScreen::high_l, &PlayScreenLook::high_l},
    {&PlayScreen::state_l, &PlayScreenLook::state_l}, {&PlayScreen::combo_l, &PlayScreenLook::combo_l},
    {&PlayScreen::time_l, &PlayScreenLook::time_l},   {&PlayScreen::play_l, &PlayScreenLook::play_l},
    {&PlayScreen::try_b, &PlayScreenLook::try_b},     {&PlayScreen::Label4, &PlayScreenLook::Label4},
    {&PlayScreen::stage_l, &PlayScreenLook::stage_l},
};

}  // namespace

PlayScreen::PlayScreen(const PlayScreenLook& look) : look_(look) {
    for (const auto& [label, entry] : kLookedLabels) (this->*label).setBounds((look_.*entry).box);
}

void PlayScreen::layOutPlayScreen(ui::Form& form) {
    using namespace base::colours;
    form.caption = look_.caption;
    form.appTitle = look_.appTitle;
    form.background = Silver;
    form.defaultFont = ui::font(12, Black, false);
    form.noteArea = main_box.bounds();  // volume and size notes show over the field

    for (const auto& [label, entry] : kLookedLabels) {
        const LabelLook& l = look_.*entry;
        ui::dress(this->*label, l.caption, l.font, l.look);
    }
    PauseControl::dressLabels(pause_l, pause_la);
    mp_l.setRange(0, kGaugeMax);
    mp_l.setColours(kMpFore, Purple);
    hp_l.setRange(0, kGaugeMax);
    hp_l.setColours(kHpFore, kBannerBack);
    cg.setStretch(true);
    cg.setTransparent(true);
    // For screen readers: the field and the gauges show no text of their own (the field's description is
    // the status tick's), and a change of the banner, the score or the lives is told as it happens.
    main_box.setAccessibleName(base::translate("Status", "プレイフィールド"));
    hp_l.setAccessibleName("HP");
    mp_l.setAccessibleName("mHP");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&moji_l2, &moji_l2a, &point_l, &state_l, &hp_l})
        c->setAnnounced(true);
}

void PlayScreen::stackPlayScreen(ui::Form& form, std::initializer_list<StackedAbove> own,
                                 std::initializer_list<ui::Control*> onTop) {
    // The banner and its shadow lie over the field, the event log over the white strip below it.
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &main_box, &moji_l3, &moji_l3a, &moji_l2, &moji_l2a, &pause_l, &pause_la, &Label5,
             &moji_l,   &Label1,  &point_l,  &Label2,  &high_l,   &state_l, &mp_l,     &hp_l,
             &combo_l,  &time_l,  &play_l,   &try_b,   &cg,       &Label4,  &stage_l}) {
        form.add(*c);
        for (const StackedAbove& s : own)
            if (s.below == c)
                for (ui::Control* above : s.controls) form.add(*above);
    }
    for (ui::Control* c : onTop) form.add(*c);
    for (ui::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6}) form.addTimer(*t);
}

void PlayScreen::startUp(GameState& state, const Rules& rules) {
    state.ballDX = 1;
    state.ballDY = 1;
    tmy& my = state.my;
    my.barRow = kBarRow;
    my.barHalfWidth = 1;
    my.stageNo = -1;
    for (ui::Label* l : {&moji_l2, &moji_l3, &moji_l2a, &moji_l3a}) l->setCaption("");
    clearField(main_box);
    Timer1.setInterval(rules.serveTick());
    main_box.fontSize = kFieldFontSize;
}

}  // namespace engine
