// Scrolling the event log by code page 932 bytes.
#include "engine/EventLog.h"

#include "base/Cp932.h"

namespace engine {
namespace {

// Bytes of the UTF-8 sequence that starts with lead (a stray byte counts as one).
std::size_t utf8Bytes(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

ScrolledLog scrollLog(std::string_view utf8) {
    std::size_t pos = 0, dropped = 0;
    auto charAt = [&](std::size_t i) {
        std::size_t n = utf8Bytes(static_cast<unsigned char>(utf8[i]));
        if (i + n > utf8.size()) n = utf8.size() - i;
        return utf8.substr(i, n);
    };
    while (pos < utf8.size() && dropped < kLogScrollBytes) {
        const std::string_view ch = charAt(pos);
        dropped += base::cp932Length(ch);
        pos += ch.size();
    }
    const std::size_t start = pos;
    std::size_t kept = 0;
    while (pos < utf8.size()) {
        const std::string_view ch = charAt(pos);
        const std::size_t b = base::cp932Length(ch);
        if (kept + b > kLogKeepBytes) break;
        kept += b;
        pos += ch.size();
    }
    return {std::string(utf8.substr(start, pos - start)), kept};
}

}  // namespace engine
