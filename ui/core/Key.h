// A key press as the window layer reports it to a form.
#pragma once

namespace ui {

// Printable keys are their upper-case ASCII code ('P', 'M', '+', '-', '=', '0'); the others are below.
namespace keys {
constexpr int Escape = 0x1000;
constexpr int Tab = 0x1001;
constexpr int Backspace = 0x1003;
constexpr int Enter = 0x1004;
constexpr int Delete = 0x1007;
constexpr int Home = 0x1010;
constexpr int Control = 0x1021;  // the Ctrl key pressed on its own: offered to the play keys only
constexpr int End = 0x1011;
constexpr int Left = 0x1012;
constexpr int Up = 0x1013;
constexpr int Right = 0x1014;
constexpr int Down = 0x1015;
constexpr int PageUp = 0x1016;
constexpr int PageDown = 0x1017;
constexpr int F1 = 0x1030;  // F1 + n - 1 for Fn
}  // namespace keys

struct KeyEvent {
    int key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool autoRepeat = false;  // held down: the system repeats the press
    bool released = false;    // the key let go: only the play keys are told (Form::playKeyUp)
};

}  // namespace ui
