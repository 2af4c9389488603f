// A module's "WAVE" resources: RIFF images found by name or by number, for loading waves from memory.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sound {

class WaveModule {
  public:
    void add(std::string name, std::vector<std::uint8_t> image);
    void add(std::uint16_t number, std::vector<std::uint8_t> image);

    // A name "#123" asks for resource number 123, any other name is compared without regard to ASCII case.
    std::optional<std::span<const std::uint8_t>> find(std::string_view name) const;
    // The number that "#123" stands for, if name is such a reference.
    static std::optional<std::uint16_t> number(std::string_view name);

  private:
    std::map<std::string, std::vector<std::uint8_t>> byName_;  // upper-case names
    std::map<std::uint16_t, std::vector<std::uint8_t>> byNumber_;
};

}  // namespace sound
