// A virtual pad for end-to-end tests (ZORBAN_TEST_PAD): SDL's virtual joystick, played from a text file
// that the test appends lines to. Each whole line is carried out once, in order, one a look (so that a press
// and its release are two changes the pad reports):
//     plug                 a virtual game controller is plugged in
//     unplug               and taken away
//     press NAME           a button held (SDL's names: a, b, x, y, back, start, dpleft, ...)
//     release NAME         and let go
//     stick X Y            the left stick at X across and Y down (-32768..32767)
// A line that needs the pad waits until SDL has opened it; an unknown line is skipped.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class PadScript {
  public:
    static constexpr std::size_t kMaxBytes = 64 * 1024;

    explicit PadScript(std::string path) : path_(std::move(path)) {}
    ~PadScript();
    PadScript(const PadScript&) = delete;
    PadScript& operator=(const PadScript&) = delete;

    // Carries out the next line added to the file, if any; open: the controllers the program has open.
    void step(const std::vector<SDL_GameController*>& open);

    // One line of the file: what it asks for. Also for the fuzz target.
    struct Command {
        enum class Kind { None, Plug, Unplug, Press, Release, Stick } kind = Kind::None;
        int button = -1;  // SDL_GameControllerButton
        int x = 0, y = 0;
    };
    static Command parse(std::string_view line);

  private:
    // false when the line must wait for the pad.
    bool apply(const Command& c, const std::vector<SDL_GameController*>& open);
    SDL_Joystick* joystick(const std::vector<SDL_GameController*>& open) const;

    std::string path_;
    std::size_t done_ = 0;    // bytes of the file carried out
    SDL_JoystickID id_ = -1;  // the virtual pad while it is plugged in
};

}  // namespace ui
