// libFuzzer target: the BMP decoder on any bytes; a picture it accepts must survive encode and decode.
#include <cstdint>
#include <string_view>

#include "ui/core/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ui::Bitmap picture;
    if (!ui::decodeBmp(std::string_view(reinterpret_cast<const char*>(data), size), picture)) return 0;
    ui::Bitmap again;
    if (!ui::decodeBmp(ui::encodeBmp(picture), again) || again.width() != picture.width() ||
        again.height() != picture.height())
        __builtin_trap();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (again.pixel(x, y) != picture.pixel(x, y)) __builtin_trap();
    return 0;
}
