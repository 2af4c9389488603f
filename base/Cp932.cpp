// Code page 932 conversion through the C library's iconv ("CP932" is windows-31j, not plain Shift_JIS).
#include "base/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <mutex>

namespace base {
namespace {

constexpr char32_t kRawByteBase = 0xF700;  // private-use home of undecodable bytes

// One iconv descriptor per direction, opened on first use and kept for the process.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() { iconv_close(cd_); }  // a descriptor that failed to open is refused (EBADF), nothing more
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one whole character (in, inLen) into out; returns the bytes written or -1.
    int convert(const char* in, std::size_t inLen, char* out, std::size_t outCap) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return -1;
        std::lock_guard lock(mutex_);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        char* dst = out;
        std::size_t left = inLen, room = outCap;
        // Whatever stops short of the whole input (no room, an incomplete or invalid sequence) fails.
        if (iconv(cd_, &src, &left, &dst, &room) == static_cast<std::size_t>(-1)) return -1;
        return static_cast<int>(dst - out);
    }

  private:
    iconv_t cd_;
    std::mutex mutex_;
};

Converter& toCp() {
    static Converter c("CP932", "UTF-8");
    return c;
}
Converter& fromCp() {
    static Converter c("UTF-8", "CP932");
    return c;
}

// Length of the UTF-8 sequence led by b, or 0 when b cannot lead one.
std::size_t utf8SeqLen(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 0;
}

// The code point of a UTF-8 sequence of two to four bytes (one byte is ASCII and never gets here).
char32_t decodeUtf8(std::string_view s) {
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    switch (s.size()) {
        case 2:
            return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3:
            return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        default:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    }
}

// Appends the private-use character that stands for the undecodable byte b (0x80..0xFF): U+F780..U+F7FF,
// three bytes in UTF-8.
void appendRawByte(std::string& out, unsigned char b) {
    const char32_t c = kRawByteBase + b;
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// Walks utf8 one character at a time; calls emit(bytes, count) with its code page 932 form, or
// returns false at the first character that has none.
template <typename Emit>
bool walk(std::string_view utf8, Emit emit) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            const char c = static_cast<char>(lead);
            emit(&c, 1);
            ++i;
            continue;
        }
        const std::size_t n = utf8SeqLen(lead);
        if (n == 0 || i + n > utf8.size()) return false;
        const std::string_view seq = utf8.substr(i, n);
        const char32_t cp = decodeUtf8(seq);
        if (cp >= kRawByteBase + 0x80 && cp <= kRawByteBase + 0xFF) {
            const char raw = static_cast<char>(cp - kRawByteBase);
            emit(&raw, 1);
        } else {
            char buf[8];
            const int len = toCp().convert(seq.data(), seq.size(), buf, sizeof buf);
            if (len <= 0) return false;
            emit(buf, static_cast<std::size_t>(len));
        }
        i += n;
    }
    return true;
}

}  // namespace

std::string toCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (!walk(utf8, [&](const char* b, std::size_t n) { out.append(b, n); }))
        throw EncodingError("character not representable in code page 932");
    return out;
}

bool isCp932(std::string_view utf8) {
    return walk(utf8, [](const char*, std::size_t) {});
}

std::size_t cp932Length(std::string_view utf8) {
    std::size_t total = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t n = utf8SeqLen(lead);
        if (n == 0 || i + n > utf8.size()) n = 1;
        std::size_t bytes = 2;
        walk(utf8.substr(i, n), [&](const char*, std::size_t len) { bytes = len; });
        total += bytes;
        i += n;
    }
    return total;
}

std::string fromCp932(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t n = cp932CharBytes(lead);
        char buf[8];
        int len = -1;
        if (i + n <= bytes.size()) len = fromCp().convert(bytes.data() + i, n, buf, sizeof buf);
        if (len > 0) {
            out.append(buf, static_cast<std::size_t>(len));
            i += n;
        } else if (n == 2 && i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(bytes[i + 1]) <= 0xFC) {
            // A pair the code page does not map, with a second byte that could lead or end another character,
            // is kept whole: keeping only its first byte would let that byte pair with whatever follows once
            // written back (a character written in its preferred code, say), and the text would read
            // otherwise.
            appendRawByte(out, lead);
            appendRawByte(out, static_cast<unsigned char>(bytes[i + 1]));
            i += 2;
        } else {
            appendRawByte(out, lead);
            ++i;
        }
    }
    return out;
}

}  // namespace base
