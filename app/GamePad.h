// The game pads of a play window: what the pads do reaches the window as keys (engine::PadInput), on the UI
// thread, first to the play keys, then to the window's keys (Start pauses), and what neither takes to the
// focused control as the keyboard's arrows, Enter, Escape and Tab, so the panels work with the pad as with
// the keyboard. The pads are read often only while they are needed: while a play goes on, at the play's
// pace; else a few times a second while a pad is there, and once a second to notice one plugged in.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/PadInput.h"
#include "engine/PlayEngine.h"
#include "ui/core/Form.h"
#include "ui/core/Services.h"

namespace ui {
class SdlGamepad;
struct PadEvent;
}  // namespace ui

namespace app {

inline constexpr const char* kPadScriptVariable = "ZORBAN_TEST_PAD";  // end-to-end tests' virtual pad
inline constexpr const char* kMappingFile = "gamecontrollerdb.txt";   // beside zorban.ini

class GamePad {
  public:
    static constexpr int kPlayPollMs = 16;    // while a play goes on
    static constexpr int kPanelPollMs = 100;  // a pad is there, no play goes on

    // The pads of form, whose engine plays; both must outlive this. Without SDL's game controllers nothing
    // happens.
    GamePad(ui::Services& services, ui::Form& form, engine::PlayEngine& engine);
    ~GamePad();
    GamePad(const GamePad&) = delete;
    GamePad& operator=(const GamePad&) = delete;

  private:
    // The UI thread: what the pad thread read.
    void received(const std::vector<ui::PadEvent>& events);
    void offer(const ui::KeyEvent& k);

    ui::Services& services_;
    ui::Form& form_;
    engine::PlayEngine& engine_;
    engine::PadInput input_;
    int stick_[2] = {0, 0};  // the left stick as last read
    std::unique_ptr<ui::SdlGamepad> pads_;
};

}  // namespace app
