// Code page 932 (windows-31j) text at the file boundary; UTF-8 everywhere inside the program.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

// A character that code page 932 cannot hold.
class EncodingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// UTF-8 to code page 932 bytes. Throws EncodingError for characters the code page lacks and for
// malformed UTF-8. Bytes that fromCp932 could not decode come back unchanged (see there).
std::string toCp932(std::string_view utf8);

// Code page 932 bytes to UTF-8. A byte sequence that is not valid code page 932 is kept as a
// private-use character (U+F700 + byte), so that text read from a file and written back is the
// same byte for byte.
std::string fromCp932(std::string_view bytes);

// Whether every character of utf8 can be written in code page 932.
bool isCp932(std::string_view utf8);

// Length of utf8 in code page 932 bytes (characters the code page lacks count as 2).
std::size_t cp932Length(std::string_view utf8);

// Length in bytes (1 or 2) of the code page 932 character that starts with lead.
constexpr std::size_t cp932CharBytes(unsigned char lead) {
    return ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) ? 2 : 1;
}

}  // namespace base
