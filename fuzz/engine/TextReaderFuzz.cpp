// Fuzzes the line-per-value text reader: the first byte picks a pattern of integer and line reads,
// the rest is the file. Reads never run past the data, past the end give 0 and "", and the only error is
// the invalid-number one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/core/Cp932.h"
#include "ui/core/IoError.h"
#include "ui/core/TextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t pattern = data[0];
    ui::TextReader in = ui::TextReader::fromBytes(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    constexpr int kReads = 64;
    for (int i = 0; i < kReads; ++i) {
        const bool line = (pattern >> (i % 8)) & 1;
        try {
            if (line) {
                const std::string text = in.readLine();
                if (!ui::isCp932(text)) __builtin_trap();  // what is read can be written back
            } else {
                const bool wasAtEnd = in.atEnd();
                const std::int32_t v = in.readInt();
                if (wasAtEnd && v != 0) __builtin_trap();
            }
        } catch (const ui::IoError& e) {
            if (e.code() != static_cast<int>(ui::IoCode::InvalidNumber)) __builtin_trap();
            return 0;
        }
    }
    return 0;
}
