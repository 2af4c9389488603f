// A bounded BMP decoder and a 24-bit encoder.
#include "base/BmpFile.h"

#include <cstdint>
#include <stdexcept>

#include "base/InputFile.h"
#include "base/Translation.h"

namespace base {
namespace {

constexpr std::int64_t kMaxSide = 8192;  // pixels; larger pictures are refused
// The largest file such a picture needs: headers, a full palette and 32-bit pixels.
constexpr std::size_t kMaxFileBytes = 14 + 124 + 4 * 256 + 4 * kMaxSide * kMaxSide;

std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8) |
           (static_cast<std::uint8_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24);
}
std::uint16_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

void put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void put16(std::string& s, std::uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

}  // namespace

bool decodeBmp(std::string_view b, Bitmap& out) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    const std::uint32_t dataOffset = u32(b, 10);
    const std::uint32_t headerSize = u32(b, 14);
    if (headerSize < 40 || 14 + static_cast<std::uint64_t>(headerSize) > b.size()) return false;
    const auto width = static_cast<std::int32_t>(u32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(u32(b, 22));
    const std::uint16_t bits = u16(b, 28);
    const std::uint32_t compression = u32(b, 30);
    std::uint32_t paletteCount = u32(b, 46);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return false;
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width > kMaxSide || height > kMaxSide) return false;
    if (compression != 0 && !(compression == 3 && bits == 32)) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;

    std::vector<Colour> palette;
    if (bits <= 8) {
        if (paletteCount == 0 || paletteCount > (1u << bits)) paletteCount = 1u << bits;
        const std::uint64_t palAt = 14 + static_cast<std::uint64_t>(headerSize);
        if (palAt + 4ull * paletteCount > b.size()) return false;
        for (std::uint32_t i = 0; i < paletteCount; ++i) {
            const std::size_t at = palAt + 4 * i;
            palette.push_back({static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
                               static_cast<std::uint8_t>(b[at])});
        }
    }
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    if (dataOffset > b.size() || stride * height > b.size() - dataOffset) return false;

    Bitmap bmp(width, static_cast<int>(height));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::size_t rowAt = dataOffset + static_cast<std::size_t>(stride * row);
        const int y = static_cast<int>(topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            Colour c;
            if (bits >= 24) {
                const std::size_t at = rowAt + static_cast<std::size_t>(x) * (bits / 8);
                c = {static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
                     static_cast<std::uint8_t>(b[at])};
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const auto byte = static_cast<std::uint8_t>(b[rowAt + bit / 8]);
                const unsigned shift = 8 - bits - (bit % 8);
                const unsigned index = (byte >> shift) & ((1u << bits) - 1);
                c = index < palette.size() ? palette[index] : colours::Black;
            }
            bmp.setPixel(x, y, c);
        }
    }
    out = std::move(bmp);
    return true;
}

Bitmap loadBmp(const std::string& path) {
    const std::string cannotOpen = fillIn(translate("Errors", "ﾌｧｲﾙ %1 は開けません"), path);
    std::string bytes;
    try {
        bytes = readWholeFile(path, kMaxFileBytes);
    } catch (const ReadError& e) {
        if (e.failure() == ReadFailure::Read) throw;
        throw std::runtime_error(cannotOpen);
    }
    Bitmap bmp;
    if (!decodeBmp(bytes, bmp)) throw std::runtime_error(cannotOpen);
    return bmp;
}

std::string encodeBmp(const Bitmap& bitmap) {
    const std::uint32_t stride = ((static_cast<std::uint32_t>(bitmap.width()) * 3 + 3) / 4) * 4;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(bitmap.height());
    std::string s;
    s.reserve(54 + dataSize);
    s += "BM";
    put32(s, 54 + dataSize);
    put32(s, 0);
    put32(s, 54);
    put32(s, 40);
    put32(s, static_cast<std::uint32_t>(bitmap.width()));
    put32(s, static_cast<std::uint32_t>(bitmap.height()));
    put16(s, 1);
    put16(s, 24);
    put32(s, 0);
    put32(s, dataSize);
    put32(s, 3780);  // 96 dpi
    put32(s, 3780);
    put32(s, 0);
    put32(s, 0);
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < bitmap.width(); ++x) {
            const Colour c = bitmap.colourAt(x, y);
            s += static_cast<char>(c.b);
            s += static_cast<char>(c.g);
            s += static_cast<char>(c.r);
            written += 3;
        }
        for (; written < stride; ++written) s += '\0';
    }
    return s;
}

}  // namespace base
