// The main window of zorban_runner: plays one stage file chosen in the open dialog; writes nothing.
#pragma once

#include <memory>
#include <string>

#include "engine/GameState.h"
#include "engine/PlayControls.h"
#include "engine/SoundSink.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Services.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace engine {
class PlayEngine;
}

namespace runner {

class TForm1 {
  public:
    TForm1(ui::Services& services, engine::SoundSink& sound);
    ~TForm1();

    ui::Form form{"Form1", 603, 430};

    ui::Image main_box{"main_box", {0, 0, 400, 400}};
    ui::Label moji_l3{"moji_l3", {0, 72, 401, 33}};
    ui::Label moji_l3a{"moji_l3a", {0, 136, 401, 33}};
    ui::Label moji_l2{"moji_l2", {2, 70, 401, 39}};
    ui::Label moji_l2a{"moji_l2a", {2, 134, 401, 39}};
    ui::Label pause_l{"pause_l", {0, 178, 400, 44}, false};    // "PAUSE" while the play is paused
    ui::Label pause_la{"pause_la", {0, 222, 400, 24}, false};  // and how to go on
    ui::Label moji_l{"moji_l", {0, 400, 401, 25}};
    ui::Label Label5{"Label5", {0, 416, 401, 12}};
    ui::Label Label1{"Label1", {404, 4, 197, 65}};
    ui::Label point_l{"point_l", {412, 24, 181, 29}};
    ui::Label Label2{"Label2", {556, 52, 45, 15}};
    ui::Label high_l{"high_l", {404, 72, 197, 13}};
    ui::Label state_l{"state_l", {404, 88, 197, 121}};
    ui::Gauge mp_l{"mp_l", {544, 92, 53, 9}};
    ui::Gauge hp_l{"hp_l", {428, 104, 169, 21}};
    ui::Label combo_l{"combo_l", {404, 184, 106, 24}};
    ui::Label time_l{"time_l", {404, 212, 197, 25}};
    ui::Label Label6{"Label6", {404, 240, 97, 29}};
    ui::Label Label7{"Label7", {504, 240, 97, 29}};
    ui::Label play_l{"play_l", {404, 240, 197, 29}, false};
    ui::Label try_b{"try_b", {404, 272, 197, 45}, false};
    ui::Image cg{"cg", {404, 272, 45, 45}, false};
    ui::Label Label4{"Label4", {404, 320, 197, 77}};
    ui::Label stage_l{"stage_l", {404, 400, 197, 29}};
    ui::Button Button5{"Button5", {404, 240, 197, 77}};
    ui::Image Image1{"Image1", {0, 0, 200, 200}, false};  // help picture: read at start-up, never shown

    ui::Timer Timer1{"Timer1", 50, false};
    ui::Timer Timer2{"Timer2", 10, true};
    ui::Timer Timer3{"Timer3", 500, true};
    ui::Timer Timer4{"Timer4", 150, true};
    ui::Timer Timer5{"Timer5", 1000, true};
    ui::Timer Timer6{"Timer6", 1000, true};

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
    void layout();
    void wire();

    ui::Services& services_;
    engine::SoundSink& sound_;
    std::unique_ptr<engine::PlayEngine> engine_;
    std::string loadFolder_;  // where the open dialog starts
};

}  // namespace runner
