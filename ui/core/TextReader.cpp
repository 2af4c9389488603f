// Value-by-value reading of code page 932 text files.
#include "ui/core/TextReader.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "ui/core/Cp932.h"
#include "ui/core/IoError.h"

namespace ui {
namespace {

constexpr std::size_t kMaxToken = 32;  // characters of one number token

bool isBlank(unsigned char c) { return c <= ' '; }

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
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

TextReader::TextReader(const std::string& path) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "rb"));
    if (!f) throw IoError(IoError::codeFromErrno(errno, path));
    char buf[1 << 16];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) data_.append(buf, n);
    if (std::ferror(f.get())) throw IoError(100);  // read error
}

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
    while (pos_ < data_.size() && pos_ - start < kMaxToken && !isBlank(static_cast<unsigned char>(data_[pos_])))
        ++pos_;
    std::int32_t value = 0;
    if (!parseInt32(std::string_view(data_).substr(start, pos_ - start), value)) throw IoError(IoCode::InvalidNumber);
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

}  // namespace ui
