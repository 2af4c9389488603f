// Reads the game's line-based text files: one decimal integer or one text value per line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// A whole text file in code page 932, read value by value.
//  - readInt skips blanks, tabs and line ends; past the end of the file it gives 0 without error;
//    otherwise it takes the next run of up to 32 characters up to a blank or control character,
//    which must be an optionally signed decimal number within 32 bits (else IoError 106), and then
//    discards the rest of that line.
//  - readLine takes the rest of the current line (UTF-8) and moves to the next; past the end "".
class TextReader {
  public:
    // Reads path whole through readWholeFile; throws its ReadError (an IoError) when it cannot be opened or
    // read. Only a regular file of at most maxBytes is read: a folder, pipe, device or larger file is a read
    // error at once (it never blocks).
    explicit TextReader(const std::string& path, std::size_t maxBytes = kDefaultMaxBytes);
    static constexpr std::size_t kDefaultMaxBytes = 16u << 20;
    // Reads from bytes already in memory (tests, fuzzers).
    static TextReader fromBytes(std::string bytes);

    std::int32_t readInt();
    std::string readLine();
    bool atEnd() const { return pos_ >= data_.size(); }

  private:
    TextReader() = default;
    void skipLine();

    std::string data_;     // the file's bytes, code page 932
    std::size_t pos_ = 0;  // next byte to read
};

// Parses an optionally signed decimal number that must fit in 32 bits; false when it does not.
bool parseInt32(std::string_view token, std::int32_t& out);

}  // namespace base
