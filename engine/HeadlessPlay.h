// A play window without a display: the game's play screen and every other control the engine uses, so tests,
// benchmarks and tools can load a stage, serve, move the mouse and step ticks as fast as the processor
// allows.
#pragma once

#include <string>

#include "engine/GamePlayScreen.h"
#include "engine/GameState.h"
#include "engine/PlayControls.h"
#include "engine/PlayEngine.h"
#include "engine/Rules.h"
#include "engine/SoundSink.h"
#include "ui/core/Form.h"
#include "ui/core/Services.h"
#include "ui/core/Widgets.h"

namespace engine {

class HeadlessPlay : public GamePlayScreen {
  public:
    // With the runner's rules the game-only controls stay out of PlayControls, as in its window.
    HeadlessPlay(ui::Services& services, SoundSink& sound, Rules rules = Rules::game());
    HeadlessPlay(const HeadlessPlay&) = delete;
    HeadlessPlay& operator=(const HeadlessPlay&) = delete;

    // The values of a fresh run: score 0, 10 lives of at most 99, combo 1, 500 time units, bar of three
    // cells at row 18, stage 0 of course 1 (the runner: stage -1).
    void resetRun();
    // Puts grid into play as a stage start does: the bar written into row 18, the ball on column 9,
    // row 17 heading straight up, the trail on it, the start prompt shown and every stage-end control hidden.
    void beginStage(const BlockGrid& grid, std::string title = {}, std::string author = {});
    // Shortcuts for the mouse: the pointer at pixel x of the play field; a left or right click.
    void moveTo(int x) { engine.main_boxMouseMove(x, 0); }
    void leftClick() { engine.main_boxMouseDown(ui::MouseButton::Left); }
    void rightClick() { engine.main_boxMouseDown(ui::MouseButton::Right); }
    // The pointer over column col (1..10), then a left click.
    void serveFrom(int col);
    // One ball tick. With no log-scrolling timer running the log only grows, so a long one is emptied.
    void tick();

    GameState state;
    PlayControls controls;

    ui::Form form{"Form1", 603, 451};  // holds the timers, for running them on a virtual clock
    // The game-only controls besides the play screen's, as the game's other panels hold them.
    ui::Label gold_l{"gold_l"}, l2{"l2"}, star_l{"star_l"};
    ui::Button item1_b{"item1_b", {}, false}, item2_b{"item2_b", {}, false}, item3_b{"item3_b", {}, false},
        item4_b{"item4_b", {}, false}, item5_b{"item5_b", {}, false}, item6_b{"item6_b", {}, false},
        item7_b{"item7_b", {}, false};
    ui::Button c_b1{"c_b1"}, c_b3{"c_b3", {}, false}, c_b4{"c_b4", {}, false}, c_b5{"c_b5", {}, false},
        c_b6{"c_b6", {}, false};
    ui::Panel start_box{"start_box", {}, false}, end_box{"end_box", {}, false};

    PlayEngine engine;
};

}  // namespace engine
