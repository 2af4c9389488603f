// PNG encoding: signature, IHDR, one IDAT of the filter-less rows deflated by zlib, IEND.
#include "tools/icons/PngFile.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>

namespace icons {
namespace {

constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kColourTypeRgba = 6;

void putBigEndian(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// Length, type, data and the CRC of type and data.
void putChunk(std::string& out, const char (&type)[5], const std::string& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    putBigEndian(out, static_cast<std::uint32_t>(::crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                                         static_cast<uInt>(typed.size()))));
}

}  // namespace

std::string encodePng(const RgbaImage& image) {
    const std::uint32_t side = static_cast<std::uint32_t>(image.size);
    std::string header;
    putBigEndian(header, side);
    putBigEndian(header, side);
    header += {static_cast<char>(kBitDepth), static_cast<char>(kColourTypeRgba), 0, 0,
               0};  // deflate, filters, no interlace

    const std::size_t rowBytes = static_cast<std::size_t>(side) * 4;
    std::string raw;
    raw.reserve((rowBytes + 1) * side);
    for (std::uint32_t y = 0; y < side; ++y) {
        raw.push_back(0);  // filter type None
        raw.append(reinterpret_cast<const char*>(&image.pixels[y * rowBytes]), rowBytes);
    }
    uLongf packedSize = ::compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (::compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                    reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                    Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not compress the picture");
    packed.resize(packedSize);

    std::string png("\x89PNG\r\n\x1a\n", 8);
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", "");
    return png;
}

}  // namespace icons
