// The main window of zorban: play screen, status panel, start, help, end and toy panels, and the shell
// that picks courses, starts stages, ends runs and keeps the save files.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/GamePlayScreen.h"
#include "engine/GameState.h"
#include "engine/PlayControls.h"
#include "engine/SoundSink.h"
#include "game/EndPanel.h"
#include "game/HelpPanel.h"
#include "game/OffscreenControls.h"
#include "game/StartPanel.h"
#include "game/ToyPanel.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Form.h"
#include "ui/core/Services.h"

namespace engine {
class PlayEngine;
}

namespace game {

class CourseFlow;
class RunEnd;
class SaveFiles;
class ToyShop;

// The controls keep the names the handlers and the play engine know them by; each panel's controls come
// from the struct that lays the panel out. The handlers hand their work to the classes below.
class TForm1 : public engine::GamePlayScreen,
               public OffscreenControls,
               public HelpPanel,
               public ToyPanel,
               public EndPanel,
               public StartPanel {
  public:
    // sound: where sound requests go; nullptr plays nothing.
    explicit TForm1(ui::Services& services, engine::SoundSink* sound = nullptr);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    ui::Form form{"Form1", 602, 451};

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

    // The stage file of state.courseNo and state.my.stageNo in the program's dat/ folder.
    std::string stagePath() const;

    engine::PlayEngine& engine() { return *engine_; }
    SaveFiles& saves() { return *saves_; }

  private:
    void layoutControls();
    void nameForScreenReaders();
    void stackControls();
    void wireHandlers();
    void fillPlayControls();
    void wireEngine();

    ui::Services& services_;
    engine::NullSoundSink silence_;
    engine::SoundSink& sound_;
    std::unique_ptr<SaveFiles> saves_;
    std::unique_ptr<engine::PlayEngine> engine_;
    std::unique_ptr<CourseFlow> courses_;
    std::unique_ptr<RunEnd> runEnd_;
    std::unique_ptr<ToyShop> toyShop_;
};

}  // namespace game
