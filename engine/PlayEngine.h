// The game engine of a play window: ball tick, block effects, mouse input, status tick and the real-time
// timers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/Bitmap.h"
#include "engine/CachedCaption.h"
#include "engine/GameState.h"
#include "engine/PauseControl.h"
#include "engine/PlayControls.h"
#include "engine/Rules.h"
#include "engine/SoundSink.h"
#include "ui/core/Control.h"
#include "ui/core/Services.h"

namespace engine {

// Works on the window's game state and controls; every handler runs to its end on the window's thread.
// The handlers keep the names of the window's events so that a window forwards them one to one.
// Controls that a PlayControls leaves null count as hidden and are not touched.
class PlayEngine {
  public:
    PlayEngine(GameState& state, PlayControls& controls, ui::Services& services, SoundSink& sound,
               Rules rules = Rules::game());

    // Off: nothing is painted on main_box and the animations and their pauses are skipped; the state
    // changes of drawing (colour phase, trail, ball flash) still happen. For tools that play headless.
    void setDrawing(bool on) { drawing_ = on; }
    bool drawing() const { return drawing_; }

    // Writes the shared progress file at ALL CLEAR (the game shell's routine).
    std::function<void()> saveCommonData;
    // Shows the course buttons that the progress opens (the game shell's routine), at every game status tick.
    std::function<void()> showCourses;

    const Rules& rules() const { return rules_; }
    GameState& state() { return s_; }
    PlayControls& controls() { return c_; }
    ui::Services& services() { return services_; }
    // P and the focus pause the play; while paused the mouse handlers do nothing.
    PauseControl& pauseControl() { return pause_; }
    // Whether a ball is in play, i.e. whether Timer1 runs.
    bool ballInPlay() const;

    // Handlers.
    void Timer1Timer();   // ball tick
    void Timer2Timer();   // status tick
    void Timer3Timer();   // event-log scrolling
    void Timer4Timer();   // combo blinking
    void Timer5Timer();   // one-second countdown, effect time, banner age
    void Timer6Timer();   // beat animation
    void Timer7Timer();   // banner colouring
    void Button1Click();  // speed_down
    // Pixels from the play field's top-left corner; y is not used.
    void main_boxMouseMove(int x, int y);
    void main_boxMouseDown(ui::MouseButton button);

    // Routines shared with the shells.
    void drawBlocks();
    void drawBall();
    // The ball alone, white on black, above the bar at (ballX, ballY): a stage start or a serve wait.
    void drawServeBall();
    void placeBar();
    void steerFromBar();
    // Takes a life with the banner text; penaltyBase (the runner's tick loss) is awarded before combo resets.
    void loseLife(std::string_view text, std::int32_t penaltyBase = 0);
    // Applies the hit effect of cell (x, y) met through slot 1..4; true when the effect ends the tick.
    bool applyHit(int x, int y, int slot);
    void addPoints(std::int32_t base);
    void playSound0(std::string_view fileName);
    void playSound1(std::string_view fileName);
    // Appends to the event log moji_l.
    void log(std::string_view text);
    static std::string scoreText(std::int64_t v);

  private:
    // Ball tick pieces.
    void probeAndHit(bool& tickEnded);
    void bounceOffWalls();
    // Block effects.
    void clearAround(int x, int y);
    void clearRow(int y);
    void clearField();
    void multiplyInto(int x, int y);
    // Animations on main_box, centred on the ball's cell.
    void burst(int frames, int stepX, int stepY, int redStep);
    void rowFlash();
    void repaintField();
    void pause(int ms);
    // Mouse.
    void serve();
    void explode();
    void turnBall();
    // Status tick, shared pieces and the two variants.
    void gameStatusTick();
    void runnerStatusTick();
    void copyBannerToShadows();
    void showStateBlock(std::int64_t stageShown, std::int64_t stageOf, bool withMaxCombo);
    void showGaugesAndScore();
    void showTime();
    void fillHpFromMhp();
    bool fieldHasCountedBlocks() const;
    void showComboColour();
    void showCourseButtons();
    void clampRecords();
    // CLEAR or ALL CLEAR; true when the tick ends there.
    bool stageCleared();
    void showBracketAndBadges();
    // Beat pictures, read once.
    const base::Bitmap& beatPicture(int frame);

    GameState& s_;
    PlayControls& c_;
    ui::Services& services_;
    SoundSink& sound_;
    Rules rules_;
    bool drawing_ = true;
    PauseControl pause_;

    std::optional<base::Bitmap> beatPictures_[2];
    CachedCaption<std::int32_t, int, int> diagnostics_;
    CachedCaption<std::int32_t> gold_, combo_, point_, high_, time_, bracket_;
    // hp, maxHp, mhp, the two stage numbers, Timer1's interval, effectTicks, money, maxCombo, hiMaxCombo.
    CachedCaption<std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t,
                  std::int64_t, std::int64_t, std::int64_t, std::int64_t>
        stateBlock_;
    CachedCaption<std::uint8_t, std::string> stageLine_;
};

}  // namespace engine
