// The game's own controls on the play screen.
#include "engine/GamePlayScreen.h"

#include "base/Translation.h"
#include "engine/PlayScreenColours.h"

namespace engine {
namespace {

constexpr int kBadgeHeight = 13;  // px

struct Badge {
    ui::Image GamePlayScreen::*image;
    int width;  // px of the drawn box; the images are 69, 60 and 52 wide, so the boxes do not match
    const char* text;
};

}  // namespace

void GamePlayScreen::layOutGamePlayScreen(ui::Form& form) {
    namespace colours = base::colours;  // the block codes share some of these names
    using colours::Black, colours::Grey, colours::Navy;
    layOutPlayScreen(form);
    ui::dress(lv_l, base::translate("PlayScreen", "tttt"), ui::font(12, Navy), {.back = kHowToPlayBack});
    ui::dress(Label22, base::translate("PlayScreen", "HI:"), ui::font(13, Grey), {.back = colours::White});
    ui::dress(ok_b, base::translate("PlayScreen", "ARE YOU READY !?"), ui::font(19, Black));
    ui::dress(store_b, base::translate("PlayScreen", "TOY"), form.defaultFont);
    ui::dress(help_b, base::translate("PlayScreen", "HELP"), form.defaultFont);
    ui::dress(end_b, base::translate("PlayScreen", "game over!!"), ui::font(35, Black));

    // The badge frame: a one-pixel white outline on the window's colour.
    Shape1.penColour = colours::White;
    Shape1.brushColour = colours::Silver;
    Shape1.rectangle(0, 0, Shape1.bounds().width, Shape1.bounds().height);
    for (ui::Image* badge : {&e1, &e2, &e3}) {
        badge->setStretch(true);
        badge->setTransparent(true);
    }
}

void GamePlayScreen::stackGamePlayScreen(ui::Form& form, std::initializer_list<ui::Control*> panels) {
    // The picture over the field lies under the banner, "HI:" under the high score, the ready button
    // between the beat caption and the start prompt, the end button over how to play.
    stackPlayScreen(form,
                    {{&main_box, {&main_cg}},
                     {&moji_l, {&lv_l}},
                     {&Label2, {&Label22}},
                     {&play_l, {&ok_b}},
                     {&cg, {&store_b, &help_b}},
                     {&Label4, {&end_b}},
                     {&stage_l, {&Shape1, &e1, &e2, &e3}}},
                    panels);
    form.addTimer(Timer7);
}

void GamePlayScreen::drawBadges() {
    static constexpr Badge kBadges[] = {{&GamePlayScreen::e1, 52, QT_TRANSLATE_NOOP("Badges", "999COMBO")},
                                        {&GamePlayScreen::e2, 60, QT_TRANSLATE_NOOP("Badges", " 999TIME")},
                                        {&GamePlayScreen::e3, 69, QT_TRANSLATE_NOOP("Badges", "  99HP")}};
    for (const Badge& b : kBadges) {
        ui::Image& image = this->*b.image;
        image.fontColour = base::colours::Grey;
        image.fontBold = true;
        image.rectangle(0, 0, b.width, kBadgeHeight);
        image.textOut(2, 2, base::translateData("Badges", b.text));
    }
}

}  // namespace engine
