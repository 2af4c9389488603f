// A zorban window running headless on a virtual clock in a temporary game folder.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "GameFolder.h"
#include "engine/GameConstants.h"
#include "engine/SoundSink.h"
#include "game/TForm1.h"
#include "tests/engine/RecordingSoundSink.h"
#include "ui/core/HeadlessPlatform.h"

namespace gametest {

class WindowFixture : public ::testing::Test {
  protected:
    // The platform goes first when the test ends: its timer host lets go of the window's timers.
    GameFolder folder;
    enginetest::RecordingSoundSink sound;
    std::unique_ptr<game::TForm1> window;
    ui::HeadlessPlatform platform{folder.programDir()};

    // Creates the window and runs its creation handler (errors land in platform.dialogs.errors).
    game::TForm1& open() {
        window = std::make_unique<game::TForm1>(platform.services(), &sound);
        platform.start(window->form);
        return *window;
    }
    // Runs a handler as the window would.
    void run(const std::function<void()>& handler) { platform.handle(handler); }
    void click(ui::Control& c) { run(c.onClick); }
    const std::vector<std::string>& errors() const { return platform.dialogs.errors; }
    ui::ScriptedDialogs& dialogs() { return platform.dialogs; }
    engine::tmy& my() { return window->state.my; }

    // The column of the one block of the stages GameFolder writes: a ball served there clears it.
    static constexpr int kServeColumn = 5;
    // The pointer over the field at x (row 300), as a move over the field does.
    void moveTo(int x) {
        run([&] { window->main_box.onMouseMove({ui::MouseButton::Left, x, 300}); });
    }
    void leftClick() {
        run([&] { window->main_box.onMouseDown({ui::MouseButton::Left, 200, 300}); });
    }
    // The bar under kServeColumn, then the serve.
    void serve() {
        moveTo(40 * (kServeColumn - 1) + 20);
        leftClick();
    }
    // Advances virtual time in steps of playStepMs until done() holds, at most limitMs; true when it held.
    bool playUntil(const std::function<bool()>& done, int limitMs = 20000) {
        for (int t = 0; t < limitMs; t += playStepMs) {
            platform.advance(playStepMs);
            if (done()) return true;
        }
        return false;
    }
    int playStepMs = 50;
};

}  // namespace gametest
