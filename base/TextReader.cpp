// Value-by-value reading of code page 932 text files.
#include "base/TextReader.h"

#include <cstdint>

#include "base/Cp932.h"
#include "base/InputFile.h"
#include "base/IoError.h"

namespace base {
namespace {

constexpr std::size_t kMaxToken = 32;  // characters of one number token

bool isBlank(unsigned char c) {
    return c <= ' ';
}

}  // namespace

bool parseInt32(std::string_view token, std::int32_t& out) {
    if (token.empty()) return false;
    std::size_t i = 0;
    bool negative = false;
    if (token[0] == '+' || token[0] == '-') {
        negative = token[0] == '-';
        i = 1;
    }
    if (i == token.size()) return false;
    std::int64_t value = 0;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return false;
    }
    // At most 2^31 by now: the one value that does not fit is +2^31.
    if (negative) value = -value;
    if (value > INT32_MAX) return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

TextReader::TextReader(const std::string& path, std::size_t maxBytes)
    : data_(readWholeFile(path, maxBytes)) {}

TextReader TextReader::fromBytes(std::string bytes) {
    TextReader r;
    r.data_ = std::move(bytes);
    return r;
}

void TextReader::skipLine() {
    while (pos_ < data_.size()) {
        if (data_[pos_++] == '\n') return;
    }
}

std::int32_t TextReader::readInt() {
    while (pos_ < data_.size() && isBlank(static_cast<unsigned char>(data_[pos_]))) ++pos_;
    if (pos_ >= data_.size()) return 0;
    const std::size_t start = pos_;
    while (pos_ < data_.size() && pos_ - start < kMaxToken &&
           !isBlank(static_cast<unsigned char>(data_[pos_])))
        ++pos_;
    std::int32_t value = 0;
    if (!parseInt32(std::string_view(data_).substr(start, pos_ - start), value))
        throw IoError(IoCode::InvalidNumber);
    skipLine();
    return value;
}

std::string TextReader::readLine() {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
    std::string line = fromCp932(std::string_view(data_).substr(start, pos_ - start));
    skipLine();
    return line;
}

}  // namespace base
