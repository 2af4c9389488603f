// Fuzzes the stage-file reader: any bytes either load or fail with the invalid-number error. What loaded is
// saved as the editor saves it and loaded again from the file: the same grid, title and author, and saving
// that once more writes the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Cp932.h"
#include "base/IoError.h"
#include "engine/StageFile.h"
#include "fuzz/TempFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzfile::TempFile file("stage");
    engine::BlockGrid grid;
    std::string title = "old", author = "old";
    try {
        engine::loadStageBytes(std::string(reinterpret_cast<const char*>(data), size), grid, title, author);
    } catch (const base::IoError& e) {
        // The only failure a stage file may cause: a token that is not a 32-bit number.
        if (e.code() != static_cast<int>(base::IoCode::InvalidNumber)) __builtin_trap();
        return 0;
    }
    // The editor saves what it loaded: the title and author must be writable in code page 932 again.
    if (!base::isCp932(title) || !base::isCp932(author)) __builtin_trap();
    engine::saveStageFile(file.path(), grid, title, author);
    const std::string written = file.read();

    engine::BlockGrid again;
    std::string title2, author2;
    engine::loadStageFile(file.path(), again, title2, author2);
    if (again != grid || title2 != title || author2 != author) __builtin_trap();
    engine::saveStageFile(file.path(), again, title2, author2);
    if (file.read() != written) __builtin_trap();
    return 0;
}
