// Where the build put the generated game data, and small readers the data tests share.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace datatest {

inline const std::string kDatDir = ZORBAN_TEST_DAT_DIR;  // the build's dat/ folder
inline const std::string kCgDir = ZORBAN_TEST_CG_DIR;    // the build's cg/ folder

// Courses 1..6 and their stage counts (last stage index + 1).
inline constexpr int kCourseStageCounts[7] = {0, 11, 11, 24, 11, 13, 10};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits a text file at CR LF. ok is false when a line end is not exactly CR LF, when a CR or LF stands
// alone, or when the last line is not ended.
inline std::vector<std::string> crlfLines(const std::string& bytes, bool& ok) {
    std::vector<std::string> lines;
    ok = true;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ok = false;
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        if (lines.back().find_first_of("\r\n") != std::string::npos) ok = false;
        start = end + 2;
    }
    return lines;
}

}  // namespace datatest
