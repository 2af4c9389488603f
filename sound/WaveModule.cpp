// A module's "WAVE" resources: RIFF images found by name or by number, for loading waves from memory.
#include "sound/WaveModule.h"

#include <cctype>

namespace sound {
namespace {

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

void WaveModule::add(std::string name, std::vector<std::uint8_t> image) {
    byName_[upper(name)] = std::move(image);
}

void WaveModule::add(std::uint16_t number, std::vector<std::uint8_t> image) {
    byNumber_[number] = std::move(image);
}

std::optional<std::uint16_t> WaveModule::number(std::string_view name) {
    if (name.size() < 2 || name.size() > 6 || name[0] != '#') return std::nullopt;
    std::uint32_t value = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value > 0xFFFF) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::optional<std::span<const std::uint8_t>> WaveModule::find(std::string_view name) const {
    if (const auto n = number(name)) {
        const auto it = byNumber_.find(*n);
        if (it == byNumber_.end()) return std::nullopt;
        return std::span<const std::uint8_t>(it->second);
    }
    const auto it = byName_.find(upper(name));
    if (it == byName_.end()) return std::nullopt;
    return std::span<const std::uint8_t>(it->second);
}

}  // namespace sound
