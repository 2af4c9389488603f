// The main window of zorban_runner: plays one stage file chosen in the open dialog; writes nothing.
#pragma once

#include <memory>
#include <string>

#include "engine/GameState.h"
#include "engine/PlayControls.h"
#include "engine/PlayScreen.h"
#include "engine/SoundSink.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Services.h"
#include "ui/core/Widgets.h"

namespace engine {
class PlayEngine;
}

namespace runner {

// The play controls are the play screen's, laid out by the runner's look; the window adds the stage
// button and the two "Push!!" labels beside it.
class TForm1 : public engine::PlayScreen {
  public:
    TForm1(ui::Services& services, engine::SoundSink& sound);
    ~TForm1();

    ui::Form form{"Form1", 603, 430};

    ui::Label Label6{"Label6", {404, 240, 97, 29}};       // "Push!!→"
    ui::Label Label7{"Label7", {504, 240, 97, 29}};       // "←Push!!"
    ui::Button Button5{"Button5", {404, 240, 197, 77}};   // chooses a stage file
    ui::Image Image1{"Image1", {0, 0, 200, 200}, false};  // help picture: read at start-up, never shown

    engine::GameState state;
    engine::PlayControls controls;

    void FormCreate();
    void FormDestroy();
    void FormClose();
    void Button5Click();
    // Plays a stage file named on the command line, once the window shows: as if it had been chosen in
    // the open dialog, whose later uses start in its folder. A file that cannot be read shows the error box.
    void playStageAtStart(const std::string& path);
    // Steps 2 on of choosing a stage, with the file chosen (the pause ends first).
    void playStage(const std::string& path);

    engine::PlayEngine& engine() { return *engine_; }

  private:
    // The game's play screen where the runner's lies and looks otherwise.
    static engine::PlayScreenLook look();
    void layout();
    void wire();

    ui::Services& services_;
    engine::SoundSink& sound_;
    std::unique_ptr<engine::PlayEngine> engine_;
    std::string loadFolder_;  // where the open dialog starts
};

}  // namespace runner
