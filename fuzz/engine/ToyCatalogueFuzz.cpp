// Fuzzes the toy-catalogue reader: any bytes either fill the 513 slots or fail with the invalid-number error.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/IoError.h"
#include "engine/ToyCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto table = std::make_unique<std::array<engine::titem, engine::kToyCount>>();
    try {
        engine::loadToyCatalogueBytes(std::string(reinterpret_cast<const char*>(data), size), *table);
    } catch (const base::IoError& e) {
        if (e.code() != static_cast<int>(base::IoCode::InvalidNumber)) __builtin_trap();
    }
    return 0;
}
