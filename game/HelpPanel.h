// The help panel with its story and block texts, its picture and the ranking page.
#pragma once

#include <string>

#include "ui/core/Font.h"
#include "ui/core/Image.h"
#include "ui/core/Widgets.h"

namespace game {

struct HelpPanel {
    ui::Panel help_box{"help_box", {0, 460, 601, 401}, false};
    ui::Label Label8{"Label8", {24, 20, 0, 0}};        // heading: the story
    ui::Label Label9{"Label9", {36, 40, 337, 68}};     // the story
    ui::Label Label10{"Label10", {24, 116, 0, 0}};     // heading: the kinds of blocks
    ui::Label Label11{"Label11", {36, 136, 337, 36}};  // plain blocks
    ui::Label Label12{"Label12", {36, 176, 337, 36}};  // blinking (exploding) blocks
    ui::Label Label13{"Label13", {36, 216, 337, 36}};  // other blocks
    ui::Label Label15{"Label15", {24, 260, 0, 0}};     // heading: the high score
    ui::Label Label14{"Label14", {36, 280, 337, 52}};  // combos
    ui::Label Label16{"Label16", {36, 336, 337, 52}};  // the mouse and the time
    ui::Label Label17{"Label17", {444, 96, 0, 0}};     // cheer over the picture
    ui::Image Image1{"Image1", {388, 116, 200, 200}};
    ui::Button Button4{"Button4", {476, 328, 113, 29}};  // "ｲﾝﾀｰﾈｯﾄﾗﾝｷﾝｸﾞ"
    ui::Button Button3{"Button3", {476, 364, 113, 29}};  // "モドルモドル"
    ui::Label speed_l{"speed_l", {388, 20, 0, 0}, false};
    ui::Label slow_l{"slow_l", {388, 64, 0, 0}, false};
    ui::Label fast_l{"fast_l", {556, 64, 0, 0}, false};
    ui::TrackBar main_sp_l{"main_sp_l", {388, 36, 201, 25}, false};

    // Ranking page --------------------------------------------------------------------------------------
    ui::Panel rank_box{"rank_box", {32, 24, 529, 257}, false};
    ui::Label Label34{"Label34", {8, 8, 89, 20}};         // heading: information
    ui::Label Label35{"Label35", {104, 8, 417, 36}};      // the ranking
    ui::Label Label36{"Label36", {8, 52, 89, 20}};        // heading: how to enter
    ui::Label Label37{"Label37", {104, 52, 417, 36}};     // how to enter
    ui::Label Label38{"Label38", {8, 96, 89, 20}};        // heading: notes
    ui::Label Label39{"Label39", {104, 96, 417, 64}};     // where the posting files are written
    ui::Label Label40{"Label40", {8, 168, 89, 20}};       // heading: period
    ui::Label Label41{"Label41", {104, 168, 417, 20}};    // period
    ui::Label Label42{"Label42", {8, 196, 89, 20}};       // heading: addresses
    ui::Edit Edit1{"Edit1", {104, 196, 300, 21}};         // home page
    ui::Edit Edit2{"Edit2", {104, 224, 300, 21}};         // mail
    ui::Button Button48{"Button48", {440, 224, 81, 25}};  // "戻る"

    // programDir, dataDir: where the posting files go, as the ranking page names it.
    void layoutHelpPanel(const ui::Font& defaultFont, const std::string& programDir,
                         const std::string& dataDir);
};

}  // namespace game
