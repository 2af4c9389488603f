// Keyboard play: the keys move the bar by columns and click through the mouse's handlers, and do nothing
// where the mouse would do nothing.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "PlayFixture.h"
#include "engine/GameConstants.h"
#include "engine/PlayBindings.h"
#include "engine/PlayKeys.h"
#include "ui/core/Key.h"

namespace {

using namespace engine;
using enginetest::Play;

struct KeyPlay : Play {
    KeyPlay() { play.beginStage(BlockGrid{}); }
    bool key(int k, bool shift = false, bool repeat = false) {
        return platform.key(play.form, {k, false, shift, false, repeat});
    }
    void release(int k) {
        platform.handle([&] { play.form.playKeyUp({k}); });
    }
};

TEST(PlayKeys, BarMovesOneColumnPerPressAndStopsAtTheWalls) {
    KeyPlay p;
    p.play.moveTo(kCellWidth * 4);  // column 5
    ASSERT_EQ(p.my.barX, 5);
    EXPECT_TRUE(p.key(ui::keys::Left));
    EXPECT_EQ(p.my.barX, 4);
    EXPECT_TRUE(p.key('D', false, true));  // a repeated press moves too
    EXPECT_EQ(p.my.barX, 5);
    EXPECT_TRUE(p.key(ui::keys::Right, true));
    EXPECT_EQ(p.my.barX, 5 + PlayKeys::kShiftColumns);
    for (int i = 0; i < 20; ++i) p.key(ui::keys::Right);
    EXPECT_EQ(p.my.barX, kFieldCols - 1);  // a bar of three cells stops at the right wall
    EXPECT_EQ(p.at(kFieldCols, kBarRow), Bar);
    for (int i = 0; i < 20; ++i) p.key('A', true);
    EXPECT_EQ(p.my.barX, 2);
    EXPECT_EQ(p.at(1, kBarRow), Bar);
    // The waiting ball rides over the bar, as after a mouse move.
    EXPECT_EQ(p.my.ballX, 2);
    EXPECT_EQ(p.my.ballY, kServeRow);
}

TEST(PlayKeys, SpaceServesAndTheRightButtonKeysTurn) {
    KeyPlay p;
    p.key(ui::keys::Right);
    ASSERT_EQ(p.eng.phase(), PlayPhase::Serve);
    EXPECT_TRUE(p.key(' '));
    EXPECT_EQ(p.eng.phase(), PlayPhase::InPlay);
    EXPECT_EQ(p.log(), "                START!!!");
    const std::int32_t time = p.my.timeLeft;
    p.s.ballDX = 1;
    EXPECT_TRUE(p.key('X'));
    EXPECT_EQ(p.s.ballDX, -1);
    // Ctrl turns when let go, unless another key was pressed meanwhile (Ctrl and + sizes the window).
    p.key(ui::keys::Control);
    p.key(ui::keys::Control, false, true);
    EXPECT_EQ(p.s.ballDX, -1);
    p.release(ui::keys::Control);
    EXPECT_EQ(p.s.ballDX, 1);
    p.key(ui::keys::Control);
    p.key('+');
    p.release('+');
    p.release(ui::keys::Control);
    EXPECT_EQ(p.s.ballDX, 1);
    EXPECT_EQ(p.my.timeLeft, time - 10);
}

TEST(PlayKeys, NothingWhereTheMouseDoesNothing) {
    KeyPlay p;
    // Paused: the bar stays, X does nothing and Space goes on, as a left click does.
    ASSERT_TRUE(p.key('P'));
    const std::int32_t bar = p.my.barX;
    p.key(ui::keys::Left);
    p.key('X');
    EXPECT_EQ(p.my.barX, bar);
    EXPECT_TRUE(p.eng.pauseControl().paused());
    p.key(' ');
    EXPECT_FALSE(p.eng.pauseControl().paused());
    EXPECT_EQ(p.eng.phase(), PlayPhase::Serve);
    // The ball waiting for its serve: the right button does nothing.
    p.key('X');
    EXPECT_EQ(p.s.ballDX, 0);
    EXPECT_EQ(p.eng.phase(), PlayPhase::Serve);
    // The ready button waits: Space neither serves nor explodes; Enter presses the shown button.
    int clicks = 0;
    p.play.ok_b.onClick = [&clicks] { ++clicks; };
    p.eng.setPhase(PlayPhase::StageCleared);
    const std::int32_t lives = p.my.hp;
    p.key(' ');
    EXPECT_EQ(p.my.hp, lives);
    EXPECT_EQ(p.eng.phase(), PlayPhase::StageCleared);
    EXPECT_TRUE(p.key(ui::keys::Enter));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(p.key(ui::keys::Enter, false, true));
    EXPECT_EQ(clicks, 1);
    // The start and end panels cover the field: the keys go on to their controls.
    for (PlayPhase covered : {PlayPhase::StartPanel, PlayPhase::EndPanel}) {
        p.eng.setPhase(covered);
        EXPECT_FALSE(p.key(' '));
        EXPECT_FALSE(p.key(ui::keys::Right));
        EXPECT_FALSE(p.key(ui::keys::Enter));
        EXPECT_EQ(p.eng.phase(), covered);
    }
    // No big button is shown while the ball waits: Enter is not taken.
    p.eng.setPhase(PlayPhase::Serve);
    EXPECT_FALSE(p.key(ui::keys::Enter));
    EXPECT_EQ(clicks, 1);
}

// The pad's buttons are keys of their own: the D-pad and the stick move the bar (a stick pushed all the way
// as with Shift), A serves, explodes and presses the big button, B turns, Start pauses, an unplugged pad
// pauses a play that goes on.
TEST(PlayKeys, ThePadPlaysThroughTheSameHandlers) {
    namespace k = ui::keys;
    KeyPlay p;
    p.play.moveTo(kCellWidth * 4);  // column 5
    EXPECT_TRUE(p.key(k::PadLeft));
    EXPECT_TRUE(p.key(k::StickRight, true));
    EXPECT_EQ(p.my.barX, 4 + PlayKeys::kShiftColumns);
    EXPECT_TRUE(p.key(k::PadA));
    ASSERT_EQ(p.eng.phase(), PlayPhase::InPlay);
    p.s.ballDX = 1;
    EXPECT_TRUE(p.key(k::PadB));
    EXPECT_EQ(p.s.ballDX, -1);
    EXPECT_FALSE(p.key(k::PadY));  // nothing of the field's
    EXPECT_TRUE(p.key(k::PadStart));
    EXPECT_TRUE(p.eng.pauseControl().paused());
    EXPECT_TRUE(p.key(k::PadStart));
    EXPECT_FALSE(p.eng.pauseControl().paused());
    EXPECT_TRUE(p.key(k::PadGone));
    EXPECT_TRUE(p.eng.pauseControl().paused());
    p.key(k::PadA);  // goes on, as a left click does
    EXPECT_FALSE(p.eng.pauseControl().paused());
    EXPECT_EQ(p.eng.phase(), PlayPhase::InPlay);

    int clicks = 0;
    p.play.ok_b.onClick = [&clicks] { ++clicks; };
    p.eng.setPhase(PlayPhase::StageCleared);
    EXPECT_TRUE(p.key(k::PadA));
    EXPECT_EQ(clicks, 1);
    // Panels: the pad's buttons go on to the panel's controls (as keys, see the pad layer); an unplugged pad
    // pauses nothing.
    p.eng.setPhase(PlayPhase::StartPanel);
    EXPECT_FALSE(p.key(k::PadA));
    EXPECT_FALSE(p.key(k::PadLeft));
    EXPECT_FALSE(p.key(k::PadGone));
    EXPECT_FALSE(p.eng.pauseControl().paused());
}

std::vector<std::string> problemsOf(std::map<std::string, std::string> settings,
                                    PlayBindings* out = nullptr) {
    std::vector<std::string> problems;
    const PlayBindings b = PlayBindings::read(
        [&](std::string_view key) -> std::optional<std::string> {
            const auto it = settings.find(std::string(key));
            if (it == settings.end()) return std::nullopt;
            return it->second;
        },
        problems);
    if (out) *out = b;
    return problems;
}

TEST(PlayBindings, ThePlayersOwnKeysAndButtonsInAnyCase) {
    namespace k = ui::keys;
    PlayBindings b;
    EXPECT_EQ(b.actionOf('A'), PlayAction::Left);
    EXPECT_EQ(b.actionOf(k::PadA), PlayAction::Serve);
    EXPECT_EQ(b.actionOf(k::Control), PlayAction::Turn);
    EXPECT_FALSE(b.actionOf('M'));
    // Swapped keys are no conflict; blanks, case and an empty name are nothing to worry about.
    EXPECT_TRUE(problemsOf({{"keyleft", " d , LEFT"},
                            {"keyright", "a,right"},
                            {"padturn", "y,"},
                            {"keyserve", "f12"},
                            {"keyready", ""}},
                           &b)
                    .empty());
    EXPECT_EQ(b.actionOf('D'), PlayAction::Left);
    EXPECT_EQ(b.actionOf('A'), PlayAction::Right);
    EXPECT_EQ(b.actionOf(k::PadY), PlayAction::Turn);
    EXPECT_FALSE(b.actionOf(k::PadB));
    EXPECT_EQ(b.actionOf(k::F1 + 11), PlayAction::Serve);
    EXPECT_FALSE(b.actionOf(k::Enter));  // the ready action has no key now
    EXPECT_EQ(PlayBindings::nameOf(k::F1 + 11), "F12");
    EXPECT_EQ(PlayBindings::nameOf(k::StickLeft), "StickLeft");
}

TEST(PlayBindings, AnUnknownNameTooManyNamesOrAConflictKeepTheDefault) {
    namespace k = ui::keys;
    PlayBindings b;
    const std::vector<std::string> problems = problemsOf({{"keyleft", "Q, Foo"},
                                                          {"padright", "a, b, x"},
                                                          {"keyturn", "Space"},
                                                          {"keypause", "F13"},
                                                          {"padserve", "Start"},
                                                          {"keyready", "Enter"}},
                                                         &b);
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "keyleft: unknown key \"Foo\"; the default is kept",
                            "padright: more than 2 names; the default is kept",
                            "keypause: unknown key \"F13\"; the default is kept",
                            "padserve: Start also does something else; the default is kept",
                            "keyturn: Space also does something else; the default is kept",
                        }));
    EXPECT_EQ(b.actionOf('A'), PlayAction::Left);
    EXPECT_FALSE(b.actionOf('Q'));
    EXPECT_EQ(b.actionOf(' '), PlayAction::Serve);
    EXPECT_EQ(b.actionOf('X'), PlayAction::Turn);
    EXPECT_EQ(b.actionOf(k::PadStart), PlayAction::Pause);
    EXPECT_EQ(b.actionOf(k::PadA), PlayAction::Serve);
}

}  // namespace
