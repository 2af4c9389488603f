// Reads a generator's source file whole.
#pragma once

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace gen {

// The bytes of path; throws std::runtime_error when it cannot be read.
inline std::string readSourceFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace gen
