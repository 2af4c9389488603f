// Which keys and pad buttons do what in play. The player may change them in the program's section of
// zorban.ini, two keys and two pad buttons per action, each setting a list of names:
//
//     keyleft=Left, A        padleft=DpLeft, StickLeft
//     keyright=Right, D      padright=DpRight, StickRight
//     keyserve=Space         padserve=A            (the left button: serve, explosion, go on from a pause)
//     keyturn=X, Ctrl        padturn=B, X          (the right button: turn the ball)
//     keyready=Enter         padready=             (the big button that is shown)
//     keypause=P             padpause=Start
//
// Key names: A..Z, 0..9, Left, Right, Up, Down, Space, Enter, Tab, Backspace, Delete, Home, End, PageUp,
// PageDown, Ctrl, F1..F12. Pad names (SDL's): A, B, X, Y, Back, Guide, Start, LeftStick, RightStick,
// LeftShoulder, RightShoulder, DpUp, DpDown, DpLeft, DpRight, StickUp, StickDown, StickLeft, StickRight.
// Names are read in any case; an empty setting leaves the action without keys (or buttons). A setting with
// an unknown name, more than two names, or a key that another action has too keeps its default, and the
// problem is told once.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Settings.h"

namespace engine {

enum class PlayAction { Left, Right, Serve, Turn, Ready, Pause };

class PlayBindings {
  public:
    static constexpr int kActions = 6;
    static constexpr int kPerAction = 2;       // keys, and pad buttons, one action may have
    using Keys = std::array<int, kPerAction>;  // 0: none

    // The keys and buttons above.
    PlayBindings();
    // The settings' text of a key, nothing when it is absent.
    using Lookup = std::function<std::optional<std::string>(std::string_view key)>;
    // The defaults changed by what lookup has; each setting that cannot be taken adds a line to problems.
    static PlayBindings read(const Lookup& lookup, std::vector<std::string>& problems);
    // The bindings of the program's settings (nullptr: the defaults); each problem is told once on the
    // standard error, as "zorban_runner: zorban.ini: keyleft: unknown key "Q1"; the default is kept".
    static PlayBindings fromSettings(const base::Settings* settings);

    // The action of a key or pad button (ui::keys), if any.
    std::optional<PlayAction> actionOf(int key) const;
    bool is(PlayAction action, int key) const { return actionOf(key) == action; }
    const Keys& keys(PlayAction action) const { return keys_[index(action)]; }
    const Keys& padButtons(PlayAction action) const { return pads_[index(action)]; }

    // The name a key or pad button is written and shown with ("Space", "DpLeft"); empty when it has none.
    static std::string nameOf(int key);

  private:
    static constexpr std::size_t index(PlayAction a) { return static_cast<std::size_t>(a); }
    // Every key or button bound twice, by any two actions.
    std::vector<int> conflicts() const;

    std::array<Keys, kActions> keys_;
    std::array<Keys, kActions> pads_;
};

}  // namespace engine
