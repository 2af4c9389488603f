// libFuzzer target: any command line (the input split into words at NUL bytes) either goes on with at most
// one file and every valued option holding all its values, or ends with 0 (help, version: text on standard
// output only) or 2 (the usage on standard error only). The same line goes also to a program that takes no
// file, which refuses every file word.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "base/ProgramOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words{"prog"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());

    for (const int maxFiles : {1, 0}) {
        base::ProgramOptions o("prog", "Fuzzed.");
        if (maxFiles > 0) o.addFiles("FILE", maxFiles, "a file");
        o.addOption("--demo", {"FILE"}, "one value");
        o.addOption("--replay", {"MOVES", "FILE"}, "two values");
        std::ostringstream out, err;
        const auto code = o.parse(static_cast<int>(argv.size()), argv.data(), out, err);
        if (!code) {
            if (o.files().size() > static_cast<std::size_t>(maxFiles) || !out.str().empty() ||
                !err.str().empty())
                std::abort();
            if (o.values("--demo").size() != (o.has("--demo") ? 1u : 0u)) std::abort();
            if (o.values("--replay").size() != (o.has("--replay") ? 2u : 0u)) std::abort();
        } else if (*code == 0) {
            if (out.str().empty() || !err.str().empty()) std::abort();
        } else if (*code == base::ProgramOptions::kExitUsage) {
            if (!out.str().empty() || err.str().find("Usage: prog") == std::string::npos) std::abort();
        } else {
            std::abort();
        }
    }
    return 0;
}
