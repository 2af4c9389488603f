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

// A game pad's buttons, in the order of SDL's game controller buttons (PadA + n for button n), then the
// left stick's directions and a pad taken away. The pad layer offers them like keys.
constexpr int PadA = 0x2000;  // Cross on a PlayStation pad
constexpr int PadB = 0x2001;  // Circle
constexpr int PadX = 0x2002;  // Square
constexpr int PadY = 0x2003;  // Triangle
constexpr int PadBack = 0x2004;
constexpr int PadGuide = 0x2005;
constexpr int PadStart = 0x2006;
constexpr int PadLeftStick = 0x2007;  // the stick pressed in
constexpr int PadRightStick = 0x2008;
constexpr int PadLeftShoulder = 0x2009;
constexpr int PadRightShoulder = 0x200A;
constexpr int PadUp = 0x200B;  // the D-pad
constexpr int PadDown = 0x200C;
constexpr int PadLeft = 0x200D;
constexpr int PadRight = 0x200E;
constexpr int PadButtons = 15;   // PadA .. PadRight
constexpr int StickUp = 0x2010;  // the left stick pushed past its dead zone
constexpr int StickDown = 0x2011;
constexpr int StickLeft = 0x2012;
constexpr int StickRight = 0x2013;
constexpr int PadGone = 0x2020;  // a pad was unplugged
}  // namespace keys

constexpr bool isPadKey(int key) {
    return key >= keys::PadA && key <= keys::PadGone;
}

struct KeyEvent {
    int key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool autoRepeat = false;  // held down: the system repeats the press
    bool released = false;    // the key let go: only the play keys are told (Form::playKeyUp)
};

}  // namespace ui
