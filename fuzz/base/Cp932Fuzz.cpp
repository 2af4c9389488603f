// libFuzzer target: any bytes decode to text that encodes again, as long as cp932Length counts; bytes
// come back unchanged unless they hold a character the code page has two codes for (rows 0x87, 0xED,
// 0xEE and 0xFA), which is written back in its preferred code; either way the text written back reads as the
// same text. UTF-8 input is either refused or encoded to as many bytes as cp932Length counts; any input,
// representable or not, counts at most two bytes per input byte.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Cp932.h"

namespace {

bool mayHoldDoubleCodedCharacters(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b == 0x87 || b == 0xED || b == 0xEE || b == 0xFA;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = base::fromCp932(bytes);
    if (!base::isCp932(text)) __builtin_trap();
    const std::string back = base::toCp932(text);
    if (back.size() != base::cp932Length(text)) __builtin_trap();
    if (!mayHoldDoubleCodedCharacters(bytes) && back != bytes) __builtin_trap();
    if (base::fromCp932(back) != text) __builtin_trap();

    if (base::cp932Length(bytes) > 2 * bytes.size()) __builtin_trap();
    if (base::isCp932(bytes)) {
        if (base::toCp932(bytes).size() != base::cp932Length(bytes)) __builtin_trap();
    } else {
        try {
            base::toCp932(bytes);
            __builtin_trap();
        } catch (const base::EncodingError&) {
        }
    }
    return 0;
}
