// The scrolling event log: its text is measured and cut in code page 932 bytes, never inside a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

inline constexpr std::size_t kLogScrollBytes = 2;  // bytes dropped from the front per scroll
inline constexpr std::size_t kLogKeepBytes = 80;   // bytes kept after them

struct ScrolledLog {
    std::string text;   // UTF-8
    std::size_t bytes;  // its length in code page 932
};

// Drops whole characters from the front until at least kLogScrollBytes are gone, then keeps the
// whole characters that fit in kLogKeepBytes.
ScrolledLog scrollLog(std::string_view utf8);

}  // namespace engine
