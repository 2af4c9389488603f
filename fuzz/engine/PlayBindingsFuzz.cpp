// libFuzzer target: the player's play keys and pad buttons in the settings file. The input is the file's
// text; whatever it holds, every key and button ends bound to one action at most, each action keeps at most
// two of each, and each setting is told as a problem once at most.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/IniFile.h"
#include "engine/PlayBindings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using engine::PlayAction;
    using engine::PlayBindings;
    const base::IniFile ini =
        base::IniFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> problems;
    const PlayBindings b =
        PlayBindings::read([&](std::string_view key) { return ini.getText("zorban_runner", key); }, problems);
    if (problems.size() > 2 * PlayBindings::kActions) __builtin_trap();
    for (int a = 0; a < PlayBindings::kActions; ++a) {
        const auto action = static_cast<PlayAction>(a);
        for (const PlayBindings::Keys* keys : {&b.keys(action), &b.padButtons(action)})
            for (int key : *keys)
                if (key != 0 && (b.actionOf(key) != action || PlayBindings::nameOf(key).empty()))
                    __builtin_trap();
    }
    return 0;
}
