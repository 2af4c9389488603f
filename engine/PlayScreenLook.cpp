// The game window's play screen as a table.
#include "engine/PlayScreenLook.h"

#include "base/Translation.h"
#include "engine/PlayScreenColours.h"
#include "engine/ScoreText.h"

namespace engine {

PlayScreenLook PlayScreenLook::game() {
    using namespace base::colours;
    const ui::Look shadow{.transparent = true, .align = ui::Align::Center, .wrap = true};
    const ui::Look banner{.back = kBannerBack, .align = ui::Align::Center, .wrap = true};
    const ui::Look see_through{.transparent = true};
    return {
        .caption = base::translate("PlayScreen", "ゾルバンブロック5th　ver1.0　Linux版 ゾルバン開発チーム"),
        .appTitle = base::translate("PlayScreen", "ゾルバン５ｔｈ"),
        .moji_l3 = {{0, 72, 401, 33}, "", ui::font(35, Black, true, ui::kGothicP, true), shadow},
        .moji_l3a = {{0, 136, 401, 33}, "", ui::font(29, Black, true, ui::kGothicP, true), shadow},
        .moji_l2 = {{0, 70, 400, 39}, "", ui::font(35, Aqua, true, ui::kGothicP, true), banner},
        .moji_l2a = {{0, 134, 400, 31}, "", ui::font(29, Aqua, true, ui::kGothicP, true), banner},
        .moji_l = {{0, 400, 401, 25}, "", ui::font(24, Grey), {.back = kLogBack, .wrap = true}},
        .Label5 = {{0, 416, 401, 12}, "", ui::font(12, Black), {.back = White}},
        .Label1 = {{404, 4, 197, 65},
                   base::translate("PlayScreen", "Your score in This CORSE"),
                   ui::font(15, White),
                   {.back = Grey}},
        .point_l = {{404, 24, 193, 29},
                    shownScore(9'999'999'999),
                    ui::font(24, White, true, ui::kMinchoP),
                    {.transparent = true, .align = ui::Align::Right}},
        .Label2 = {{556, 52, 45, 15},
                   base::translate("PlayScreen", "points"),
                   ui::font(15, White),
                   see_through},
        .high_l = {{420, 73, 181, 12}, "", ui::font(12, Grey), {.back = White, .align = ui::Align::Right}},
        .state_l = {{404, 88, 197, 129},
                    base::translate("PlayScreen", "ステータス"),
                    ui::font(13, White),
                    {.back = kStateBack, .wrap = true}},
        .combo_l = {{404, 192, 106, 24},
                    base::translate("PlayScreen", "99 combo"),
                    ui::font(24, Yellow),
                    see_through},
        .time_l = {{404, 220, 197, 25},
                   base::translate("PlayScreen", "残り時間"),
                   ui::font(24, Fuchsia),
                   {.back = kTimeBack}},
        .play_l = {{404, 244, 197, 29},
                   base::translate("PlayScreen", "beat goes on*"),
                   ui::font(27, Teal),
                   {.transparent = true, .align = ui::Align::Center}},
        .try_b = {{404, 272, 197, 45},
                  base::translate("PlayScreen",
                                  "★ﾏｳｽｶｰｿﾙを左画面内に移動させ、好きな位置で左ｸﾘｯｸを押してスタートだよ☆"),
                  ui::font(15, White),
                  {.back = Black, .wrap = true}},
        .Label4 = {{404, 320, 197, 77},
                   base::translate("PlayScreen",
                                   "Play action way >>>>>>>>１、左ｸﾘｯｸ：爆発（Hp "
                                   "-1）　２、右ｸﾘｯｸ：軌道変更(Time　　　　　　　　　　　　　　　-５）"
                                   "３、Comboを貯めて高得点。"),
                   ui::font(15, Navy),
                   {.back = kHowToPlayBack, .wrap = true}},
        .stage_l = {{404, 400, 197, 29},
                    base::translate("PlayScreen", "STAGE NAME"),
                    ui::font(15, Black),
                    {.back = Grey, .align = ui::Align::Center}},
    };
}

}  // namespace engine
