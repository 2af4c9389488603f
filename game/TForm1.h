// The main window of zorban: play screen, status panel, start, help, end and toy panels, and the shell
// that picks courses, starts stages, ends runs and keeps the save files.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "engine/GameState.h"
#include "engine/PlayControls.h"
#include "engine/SoundSink.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Services.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace engine {
class PlayEngine;
}

namespace game {

class TForm1 {
  public:
    // sound: where sound requests go; nullptr plays nothing.
    explicit TForm1(ui::Services& services, engine::SoundSink* sound = nullptr);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    ui::Form form{"Form1", 602, 451};

    // Play screen and status panel ------------------------------------------------------------------
    ui::Image main_box{"main_box", {0, 0, 400, 400}};
    ui::Image main_cg{
        "main_cg", {0, 0, 400, 400}, false};  // hidden picture over the field; passes the mouse on
    ui::Label moji_l3{"moji_l3", {0, 72, 401, 33}};
    ui::Label moji_l3a{"moji_l3a", {0, 136, 401, 33}};
    ui::Label moji_l2{"moji_l2", {0, 70, 400, 39}};
    ui::Label moji_l2a{"moji_l2a", {0, 134, 400, 31}};
    ui::Label pause_l{"pause_l", {0, 178, 400, 44}, false};    // "PAUSE" while the play is paused
    ui::Label pause_la{"pause_la", {0, 222, 400, 24}, false};  // and how to go on
    ui::Label moji_l{"moji_l", {0, 400, 401, 25}};
    ui::Label Label5{"Label5", {0, 416, 401, 12}};
    ui::Label lv_l{"lv_l", {0, 432, 401, 13}};
    ui::Label Label1{"Label1", {404, 4, 197, 65}};
    ui::Label point_l{"point_l", {404, 24, 193, 29}};
    ui::Label Label2{"Label2", {556, 52, 45, 15}};
    ui::Label Label22{"Label22", {404, 72, 197, 13}};
    ui::Label high_l{"high_l", {420, 73, 181, 12}};
    ui::Label state_l{"state_l", {404, 88, 197, 129}};
    ui::Gauge mp_l{"mp_l", {544, 92, 53, 9}};
    ui::Gauge hp_l{"hp_l", {428, 104, 169, 21}};
    ui::Label combo_l{"combo_l", {404, 192, 106, 24}};
    ui::Label time_l{"time_l", {404, 220, 197, 25}};
    ui::Label play_l{"play_l", {404, 244, 197, 29}, false};
    ui::Button ok_b{"ok_b", {404, 248, 197, 42}, false};
    ui::Label try_b{"try_b", {404, 272, 197, 45}, false};
    ui::Image cg{"cg", {404, 272, 45, 45}, false};
    ui::Button store_b{"store_b", {404, 292, 97, 25}, false};
    ui::Button help_b{"help_b", {504, 292, 97, 25}, false};
    ui::Label Label4{"Label4", {404, 320, 197, 77}};
    ui::Button end_b{"end_b", {404, 320, 197, 77}, false};
    ui::Label stage_l{"stage_l", {404, 400, 197, 29}};
    ui::Image Shape1{"Shape1", {404, 432, 197, 13}};  // white frame round the badges
    ui::Image e1{"e1", {408, 432, 69, 13}, false};
    ui::Image e2{"e2", {480, 432, 60, 13}, false};
    ui::Image e3{"e3", {544, 432, 52, 13}, false};

    // Below the client area: never seen ------------------------------------------------------------
    ui::Label l2{"l2", {4, 472, 401, 13}};  // diagnostics line
    ui::Button item1_b{"item1_b", {4, 488, 81, 21}, false};
    ui::Button item2_b{"item2_b", {88, 488, 81, 21}, false};
    ui::Button item3_b{"item3_b", {172, 488, 81, 21}, false};
    ui::Button item4_b{"item4_b", {256, 488, 81, 21}, false};
    ui::Button item5_b{"item5_b", {340, 488, 81, 21}, false};
    ui::Button item6_b{"item6_b", {424, 488, 81, 21}, false};
    ui::Button item7_b{"item7_b", {508, 488, 81, 21}, false};
    ui::Panel GroupBox1{"GroupBox1", {4, 492, 477, 97}};  // maintenance panel
    ui::Button BitBtn2{"BitBtn2", {8, 16, 89, 25}};
    ui::Button BitBtn3{"BitBtn3", {100, 16, 89, 25}};
    ui::Button Button5{"Button5", {192, 16, 89, 25}};
    ui::Button Button2{"Button2", {284, 16, 185, 25}};
    ui::Button Button1{"Button1", {8, 44, 89, 25}};  // speed_down
    ui::Button BitBtn1{"BitBtn1", {100, 44, 89, 25}};
    ui::Button BitBtn4{"BitBtn4", {192, 44, 89, 25}};
    ui::Button try_bb{"try_bb", {8, 72, 89, 21}, false};
    ui::Button next_b{"next_b", {100, 72, 89, 21}, false};
    ui::Button store_b2{"store_b2", {192, 72, 89, 21}, false};

    // Help panel with its ranking page ----------------------------------------------------------------
    ui::Panel help_box{"help_box", {0, 460, 601, 401}, false};
    ui::Label Label8{"Label8", {24, 20, 0, 0}};
    ui::Label Label9{"Label9", {36, 40, 337, 68}};
    ui::Label Label10{"Label10", {24, 116, 0, 0}};
    ui::Label Label11{"Label11", {36, 136, 337, 36}};
    ui::Label Label12{"Label12", {36, 176, 337, 36}};
    ui::Label Label13{"Label13", {36, 216, 337, 36}};
    ui::Label Label15{"Label15", {24, 260, 0, 0}};
    ui::Label Label14{"Label14", {36, 280, 337, 52}};
    ui::Label Label16{"Label16", {36, 336, 337, 52}};
    ui::Label Label17{"Label17", {444, 96, 0, 0}};
    ui::Image Image1{"Image1", {388, 116, 200, 200}};
    ui::Button Button4{"Button4", {476, 328, 113, 29}};
    ui::Button Button3{"Button3", {476, 364, 113, 29}};
    ui::Label speed_l{"speed_l", {388, 20, 0, 0}, false};
    ui::Label slow_l{"slow_l", {388, 64, 0, 0}, false};
    ui::Label fast_l{"fast_l", {556, 64, 0, 0}, false};
    ui::TrackBar main_sp_l{"main_sp_l", {388, 36, 201, 25}, false};
    ui::Panel rank_box{"rank_box", {32, 24, 529, 257}, false};
    ui::Label Label34{"Label34", {8, 8, 89, 20}};
    ui::Label Label35{"Label35", {104, 8, 417, 36}};
    ui::Label Label36{"Label36", {8, 52, 89, 20}};
    ui::Label Label37{"Label37", {104, 52, 417, 36}};
    ui::Label Label38{"Label38", {8, 96, 89, 20}};
    ui::Label Label39{"Label39", {104, 96, 417, 64}};
    ui::Label Label40{"Label40", {8, 168, 89, 20}};
    ui::Label Label41{"Label41", {104, 168, 417, 20}};
    ui::Label Label42{"Label42", {8, 196, 89, 20}};
    ui::Edit Edit1{"Edit1", {104, 196, 300, 21}};
    ui::Edit Edit2{"Edit2", {104, 224, 300, 21}};
    ui::Button Button48{"Button48", {440, 224, 81, 25}};

    // Toy panel -------------------------------------------------------------------------------------
    ui::Panel toy_box{"toy_box", {0, 460, 601, 445}, false};
    ui::Image Image2{"Image2", {8, 12, 185, 341}};
    ui::Label gold_l{"gold_l", {4, 360, 193, 25}};
    ui::Button Button8{"Button8", {4, 388, 193, 49}};
    ui::Label item_name_l{"item_name_l", {200, 12, 237, 25}};
    ui::Label item_about_l{"item_about_l", {200, 40, 237, 133}};
    ui::Image item_cg{"item_cg", {232, 204, 170, 170}};
    ui::Label toy_n_l{"toy_n_l", {328, 376, 104, 16}};
    ui::Label item_value_l{"item_value_l", {200, 412, 237, 25}};
    ui::ListBox item_list{"item_list", {440, 12, 153, 397}};
    ui::Button Button7{"Button7", {440, 412, 153, 25}};

    // End panel -------------------------------------------------------------------------------------
    ui::Panel end_box{"end_box", {0, 460, 605, 465}, false};
    ui::Label Label7{"Label7", {16, 28, 573, 17}};
    ui::Label Label20{"Label20", {52, 68, 501, 325}};
    ui::Label end_corse_l{"end_corse_l", {82, 96, 441, 41}};
    ui::Label clear_l{"clear_l", {188, 144, 0, 0}};
    ui::Label Label3{"Label3", {56, 228, 0, 0}};
    ui::Label end_point_l{"end_point_l", {144, 208, 345, 37}};
    ui::Label Label19{"Label19", {508, 228, 0, 0}};
    ui::Label Label18{"Label18", {56, 268, 0, 0}};
    ui::Label end_hipoint_l{"end_hipoint_l", {144, 256, 345, 37}};
    ui::Label Label23{"Label23", {508, 268, 0, 0}};
    ui::Label Label21{"Label21", {56, 304, 0, 0}};
    ui::Label end_stage_l{"end_stage_l", {156, 292, 0, 0}};
    ui::Label Label24{"Label24", {56, 340, 0, 0}};
    ui::Label end_combo_l{"end_combo_l", {156, 328, 121, 27}};
    ui::Label Label25{"Label25", {284, 340, 0, 0}};
    ui::Label end_hi_combo_l{"end_hi_combo_l", {408, 328, 121, 27}};
    ui::Label Label6{"Label6", {56, 428, 0, 0}};
    ui::Label end_all_l{"end_all_l", {252, 420, 0, 0}};
    ui::Button Button10{"Button10", {404, 420, 193, 37}};

    // Start panel -----------------------------------------------------------------------------------
    ui::Panel start_box{"start_box", {0, 0, 601, 449}};
    ui::Label Label26{"Label26", {20, 4, 0, 0}};    // line of zeros, top
    ui::Label Label27{"Label27", {20, 428, 0, 0}};  // line of zeros, bottom
    ui::Label Label28{"Label28", {126, 24, 0, 0}};  // "SELECT CORSE"
    ui::Label Label29{"Label29", {152, 80, 293, 177}};
    ui::Button c_b1{"c_b1", {208, 92, 177, 29}};
    ui::Button Button6{"Button6", {208, 124, 177, 29}};
    ui::Button c_b4{"c_b4", {208, 156, 177, 29}, false};
    ui::Button c_b6{"c_b6", {208, 188, 177, 29}, false};
    ui::Button c_b3{"c_b3", {208, 220, 177, 29}, false};
    ui::Button c_b5{"c_b5", {208, 92, 177, 29}, false};
    ui::Label star_l{"star_l", {188, 100, 0, 0}, false};
    ui::Label star_l3{"star_l3", {132, 276, 0, 0}};
    ui::Label star_l2{"star_l2", {188, 264, 0, 0}};
    ui::Label hint_l{"hint_l", {96, 300, 413, 45}};
    ui::Label Label30{"Label30", {40, 352, 525, 29}};  // "ZORBAN BLOCK 5TH MIX"
    ui::Label Label31{"Label31", {40, 384, 0, 0}};     // credits
    ui::Label Label32{"Label32", {40, 400, 0, 0}};     // home page
    ui::Label Label33{"Label33", {320, 400, 0, 0}};    // mail

    // Timers (ms) -----------------------------------------------------------------------------------
    ui::Timer Timer1{"Timer1", 50, false};   // ball tick; 56 from start-up on
    ui::Timer Timer2{"Timer2", 10, true};    // status tick
    ui::Timer Timer3{"Timer3", 500, true};   // event log
    ui::Timer Timer4{"Timer4", 150, true};   // combo blink
    ui::Timer Timer5{"Timer5", 1000, true};  // countdown
    ui::Timer Timer6{"Timer6", 1000, true};  // beat animation
    ui::Timer Timer7{"Timer7", 50, true};    // banner colours

    ui::FileDialogRequest load_box;  // the open dialog's settings; zorban never opens it

    engine::GameState state;
    engine::PlayControls controls;

    // Start-up, closing and save data.
    void FormCreate();
    // Saves the common save file; when that fails, asks whether to try again, close without saving or go
    // back to the game (false keeps the window open).
    bool FormClose();
    void FormDestroy();
    void loadCommonData();
    void saveCommonData();
    void loadCourseData();
    void saveCourseData();
    void writePostingFile();
    void BitBtn2Click();  // "初期化"

    // Courses and stages.
    void selectCourse(std::uint8_t n);
    void startCourse();
    void showCourseHint(std::uint8_t n);
    void Label29MouseMove();
    void ok_bClick();
    void help_bClick();
    void Button3Click();   // "モドルモドル"
    void Button4Click();   // "ｲﾝﾀｰﾈｯﾄﾗﾝｷﾝｸﾞ"
    void Button48Click();  // "戻る"
    void BitBtn3Click();   // "ｽﾃｰｼﾞﾛｰﾄﾞ"
    void Button5Click();   // "clear"

    // End of a run.
    void end_bClick();
    void showEndBox();
    void Button10Click();  // "ＳＡＶＥ ＡＮＤ GAME END...."

    // Toy shop.
    void store_bClick();
    void refreshToyList();
    void item_listMouseDown();
    void Button8Click();  // one draw
    void Button7Click();  // "GO HOME"

    // Data read from the program's folder; saves and posting files in the folder for written files (the
    // program's own when writable, else the per-user data folder).
    std::string datPath(const std::string& name) const;
    std::string savePath(const std::string& name) const;
    // Whether a save may replace the file at path; when not (it exists but could not be read this session),
    // tells the player once per file and session that this save was skipped.
    bool mayReplaceSave(const std::string& path, bool wasRead);
    std::string coursePath() const;
    std::string stagePath() const;
    std::string postingPath() const;
    // The folder for saves and posting files; throws the access error when there is none that may be trusted.
    const std::string& writableDir() const;

    engine::PlayEngine& engine() { return *engine_; }

  private:
    void layoutPlayScreen();
    void layoutHiddenControls();
    void layoutHelpPanel();
    void layoutToyPanel();
    void layoutEndPanel();
    void layoutStartPanel();
    void stackControls();
    void wireHandlers();
    void fillPlayControls();
    void wireEngine();
    void drawBadges();

    ui::Services& services_;
    engine::NullSoundSink silence_;
    engine::SoundSink& sound_;
    bool commonDataRead_ = false;      // the common save file was read whole since start-up (or reset)
    bool courseDataRead_ = false;      // the course save file of courseNo was read whole when it was picked
    std::set<std::string> skipNoted_;  // save files already named this session as not replaced
    std::unique_ptr<engine::PlayEngine> engine_;
};

}  // namespace game
