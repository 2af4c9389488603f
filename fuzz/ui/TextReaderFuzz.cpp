// libFuzzer target: reading integers and lines from any file contents ends in values or the number error.
#include <cstdint>
#include <string>

#include "base/IoError.h"
#include "base/TextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the order of integer and line reads, as the file layouts mix them.
    const std::uint8_t pattern = data[0];
    auto reader = base::TextReader::fromBytes(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    for (int i = 0; !reader.atEnd(); ++i) {
        if (pattern >> (i % 8) & 1) {
            reader.readLine();
        } else {
            try {
                reader.readInt();
            } catch (const base::IoError& e) {
                if (e.code() != 106) __builtin_trap();
                reader.readLine();  // move past the bad value
            }
        }
    }
    if (reader.readInt() != 0 || !reader.readLine().empty()) __builtin_trap();
    return 0;
}
