// The end-to-end tests' virtual pad.
#include "ui/sdl/PadScript.h"

#include <algorithm>
#include <charconv>

#include "base/InputFile.h"

namespace ui {
namespace {

constexpr int kAxes = SDL_CONTROLLER_AXIS_MAX;
constexpr int kButtons = SDL_CONTROLLER_BUTTON_MAX;

std::string_view word(std::string_view& line) {
    const std::size_t start = std::min(line.find_first_not_of(' '), line.size());
    line.remove_prefix(start);
    const std::size_t end = std::min(line.find(' '), line.size());
    const std::string_view w = line.substr(0, end);
    line.remove_prefix(end);
    return w;
}

bool number(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= -32768 && value <= 32767;
}

}  // namespace

PadScript::~PadScript() {
    for (int i = 0; id_ >= 0 && i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
}

PadScript::Command PadScript::parse(std::string_view line) {
    Command c;
    const std::string_view verb = word(line);
    const std::string name(word(line));
    if (verb == "plug" && name.empty()) {
        c.kind = Command::Kind::Plug;
    } else if (verb == "unplug" && name.empty()) {
        c.kind = Command::Kind::Unplug;
    } else if ((verb == "press" || verb == "release") && !name.empty()) {
        c.button = SDL_GameControllerGetButtonFromString(name.c_str());
        if (c.button >= 0 && c.button < kButtons)
            c.kind = verb == "press" ? Command::Kind::Press : Command::Kind::Release;
    } else if (verb == "stick" && number(name, c.x) && number(word(line), c.y) && word(line).empty()) {
        c.kind = Command::Kind::Stick;
    }
    return c;
}

void PadScript::step(const std::vector<SDL_GameController*>& open) {
    std::string text;
    try {
        text = base::readWholeFile(path_, kMaxBytes);
    } catch (const base::ReadError&) {
        return;  // not there yet
    }
    const std::size_t end = text.find('\n', done_);
    if (end == std::string::npos) return;  // no new line, or one still being written
    std::string_view line(text.data() + done_, end - done_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (apply(parse(line), open)) done_ = end + 1;
}

bool PadScript::apply(const Command& c, const std::vector<SDL_GameController*>& open) {
    using Kind = Command::Kind;
    if (c.kind == Kind::Plug) {
        if (id_ >= 0) return true;
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, kAxes, kButtons, 0);
        if (index >= 0) id_ = SDL_JoystickGetDeviceInstanceID(index);
        return true;
    }
    if (c.kind == Kind::None) return true;
    SDL_Joystick* j = joystick(open);
    if (!j) return id_ < 0;  // wait for the pad to be opened; without one, skip
    switch (c.kind) {
        case Kind::Unplug:
            for (int i = 0; i < SDL_NumJoysticks(); ++i)
                if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
            id_ = -1;
            break;
        case Kind::Press:
        case Kind::Release:
            SDL_JoystickSetVirtualButton(j, c.button, c.kind == Kind::Press ? 1 : 0);
            break;
        case Kind::Stick:
            SDL_JoystickSetVirtualAxis(j, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(c.x));
            SDL_JoystickSetVirtualAxis(j, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(c.y));
            break;
        default:
            break;
    }
    return true;
}

SDL_Joystick* PadScript::joystick(const std::vector<SDL_GameController*>& open) const {
    for (SDL_GameController* c : open) {
        SDL_Joystick* j = SDL_GameControllerGetJoystick(c);
        if (id_ >= 0 && SDL_JoystickInstanceID(j) == id_) return j;
    }
    return nullptr;
}

}  // namespace ui
