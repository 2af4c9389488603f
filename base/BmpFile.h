// Reads and writes Windows bitmap (BMP) files.
#pragma once

#include <string>
#include <string_view>

#include "base/Bitmap.h"

namespace base {

// Decodes uncompressed 1, 4, 8, 24 and 32-bit BMP data; false (and out untouched) for anything else,
// for truncated data and for sizes above 8192 x 8192.
bool decodeBmp(std::string_view bytes, Bitmap& out);

// Loads a BMP file (through readWholeFile); throws ReadError for a file whose reading failed part-way, and
// std::runtime_error with the message "ﾌｧｲﾙ <path> は開けません" for a missing, undecodable or oversized
// picture or for something other than a file at path.
Bitmap loadBmp(const std::string& path);

// Encodes a bitmap as a 24-bit BMP file image.
std::string encodeBmp(const Bitmap& bitmap);

}  // namespace base
