// The play keys and pad buttons: defaults, names, and the player's own from the settings.
#include "engine/PlayBindings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>

#include "ui/core/Key.h"

namespace engine {
namespace {

namespace k = ui::keys;

struct Name {
    const char* name;
    int key;
};

constexpr const char* kActionNames[PlayBindings::kActions] = {"left", "right", "serve",
                                                              "turn", "ready", "pause"};

constexpr Name kKeyNames[] = {
    {"Left", k::Left},
    {"Right", k::Right},
    {"Up", k::Up},
    {"Down", k::Down},
    {"Space", ' '},
    {"Enter", k::Enter},
    {"Tab", k::Tab},
    {"Backspace", k::Backspace},
    {"Delete", k::Delete},
    {"Home", k::Home},
    {"End", k::End},
    {"PageUp", k::PageUp},
    {"PageDown", k::PageDown},
    {"Ctrl", k::Control},
};
constexpr int kFunctionKeys = 12;

constexpr Name kPadNames[] = {
    {"A", k::PadA},
    {"B", k::PadB},
    {"X", k::PadX},
    {"Y", k::PadY},
    {"Back", k::PadBack},
    {"Guide", k::PadGuide},
    {"Start", k::PadStart},
    {"LeftStick", k::PadLeftStick},
    {"RightStick", k::PadRightStick},
    {"LeftShoulder", k::PadLeftShoulder},
    {"RightShoulder", k::PadRightShoulder},
    {"DpUp", k::PadUp},
    {"DpDown", k::PadDown},
    {"DpLeft", k::PadLeft},
    {"DpRight", k::PadRight},
    {"StickUp", k::StickUp},
    {"StickDown", k::StickDown},
    {"StickLeft", k::StickLeft},
    {"StickRight", k::StickRight},
};

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

template <std::size_t N>
std::optional<int> lookUp(const Name (&table)[N], std::string_view name) {
    for (const Name& n : table)
        if (sameName(n.name, name)) return n.key;
    return std::nullopt;
}

std::optional<int> keyOf(std::string_view name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (!std::isdigit(static_cast<unsigned char>(c)) || n > kFunctionKeys) return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= kFunctionKeys && name[1] != '0') return k::F1 + n - 1;
        return std::nullopt;
    }
    return lookUp(kKeyNames, name);
}

// The names of one setting, comma-separated; a problem (and nothing) when one cannot be taken.
std::optional<PlayBindings::Keys> parseList(std::string_view text, bool pad, std::string& problem) {
    PlayBindings::Keys keys{};
    std::size_t count = 0;
    text = trim(text);
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view name = trim(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (name.empty()) continue;
        const std::optional<int> key = pad ? lookUp(kPadNames, name) : keyOf(name);
        if (!key) {
            problem = (pad ? "unknown pad button \"" : "unknown key \"") + std::string(name) + "\"";
            return std::nullopt;
        }
        if (count == keys.size()) {
            problem = "more than " + std::to_string(keys.size()) + " names";
            return std::nullopt;
        }
        keys[count++] = *key;
    }
    return keys;
}

bool holds(const PlayBindings::Keys& keys, const std::vector<int>& any) {
    return std::any_of(keys.begin(), keys.end(), [&](int key) {
        return key != 0 && std::find(any.begin(), any.end(), key) != any.end();
    });
}

}  // namespace

PlayBindings::PlayBindings()
    : keys_{{{k::Left, 'A'}, {k::Right, 'D'}, {' ', 0}, {'X', k::Control}, {k::Enter, 0}, {'P', 0}}},
      pads_{{{k::PadLeft, k::StickLeft},
             {k::PadRight, k::StickRight},
             {k::PadA, 0},
             {k::PadB, k::PadX},
             {0, 0},
             {k::PadStart, 0}}} {}

PlayBindings PlayBindings::read(const Lookup& lookup, std::vector<std::string>& problems) {
    const PlayBindings defaults;
    PlayBindings b;
    struct Taken {
        std::string setting;
        Keys* keys;
        const Keys* fallback;
    };
    std::vector<Taken> taken;
    for (std::size_t a = 0; a < kActions; ++a)
        for (const bool pad : {false, true}) {
            const std::string setting = (pad ? "pad" : "key") + std::string(kActionNames[a]);
            const std::optional<std::string> text = lookup(setting);
            if (!text) continue;
            std::string problem;
            const std::optional<Keys> keys = parseList(*text, pad, problem);
            if (!keys) {
                problems.push_back(setting + ": " + problem + "; the default is kept");
                continue;
            }
            Keys& slot = pad ? b.pads_[a] : b.keys_[a];
            slot = *keys;
            taken.push_back({setting, &slot, pad ? &defaults.pads_[a] : &defaults.keys_[a]});
        }
    // A key bound twice sends every setting that names it back to its default, until none is; the defaults
    // never share one.
    for (std::vector<int> twice = b.conflicts(); !twice.empty(); twice = b.conflicts()) {
        const auto clash =
            std::find_if(taken.begin(), taken.end(), [&](const Taken& t) { return holds(*t.keys, twice); });
        if (clash == taken.end()) break;
        std::string names;
        for (int key : *clash->keys)
            if (key != 0 && std::find(twice.begin(), twice.end(), key) != twice.end())
                names += (names.empty() ? "" : ", ") + nameOf(key);
        problems.push_back(clash->setting + ": " + names + " also does something else; the default is kept");
        *clash->keys = *clash->fallback;
        taken.erase(clash);
    }
    return b;
}

PlayBindings PlayBindings::fromSettings(const base::Settings* settings) {
    if (!settings) return {};
    std::vector<std::string> problems;
    const PlayBindings b =
        read([settings](std::string_view key) { return settings->getText(key); }, problems);
    for (const std::string& p : problems)
        std::fprintf(stderr, "%s: zorban.ini: %s\n", settings->section().c_str(), p.c_str());
    return b;
}

std::vector<int> PlayBindings::conflicts() const {
    std::vector<int> seen, twice;
    for (const auto* all : {&keys_, &pads_})
        for (const Keys& keys : *all)
            for (int key : keys) {
                if (key == 0) continue;
                if (std::find(seen.begin(), seen.end(), key) != seen.end())
                    twice.push_back(key);
                else
                    seen.push_back(key);
            }
    return twice;
}

std::optional<PlayAction> PlayBindings::actionOf(int key) const {
    if (key == 0) return std::nullopt;
    for (std::size_t a = 0; a < kActions; ++a) {
        const auto bound = [key](const Keys& keys) {
            return std::find(keys.begin(), keys.end(), key) != keys.end();
        };
        if (bound(keys_[a]) || bound(pads_[a])) return static_cast<PlayAction>(a);
    }
    return std::nullopt;
}

std::string PlayBindings::nameOf(int key) {
    if (ui::isPadKey(key)) {
        for (const Name& n : kPadNames)
            if (n.key == key) return n.name;
        return {};
    }
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, static_cast<char>(key));
    if (key >= k::F1 && key < k::F1 + kFunctionKeys) return "F" + std::to_string(key - k::F1 + 1);
    for (const Name& n : kKeyNames)
        if (n.key == key) return n.name;
    return {};
}

}  // namespace engine
