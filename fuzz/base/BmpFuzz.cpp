// libFuzzer target: the BMP decoder on any bytes; a picture it accepts must survive encode and decode. Now
// and then the bytes go through a file as the windows load their pictures: the same picture, or the same
// refusal.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Bitmap.h"
#include "base/BmpFile.h"
#include "fuzz/TempFile.h"

namespace {

bool samePicture(const base::Bitmap& a, const base::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

// loadBmp on the bytes written to a file: the picture decodeBmp gives, or the error when it gives none.
void checkFile(std::string_view bytes, bool decoded, const base::Bitmap& picture) {
    static const fuzzfile::TempFile file("bmp");
    file.write(std::string(bytes));
    try {
        const base::Bitmap loaded = base::loadBmp(file.path());
        if (!decoded || !samePicture(loaded, picture)) __builtin_trap();
    } catch (const std::runtime_error& e) {
        if (decoded || std::string(e.what()) != "ﾌｧｲﾙ " + file.path() + " は開けません") __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool missingRefused = [] {
        try {
            base::loadBmp("/dev/shm/zorban-fuzz-no-such-picture.bmp");
        } catch (const std::runtime_error&) {
            return true;
        }
        return false;
    }();
    if (!missingRefused) __builtin_trap();
    static const bool pictureLoaded = [] {
        // A picture the program wrote loads from its file as it was.
        const base::Bitmap picture(3, 2, base::colours::White);
        const std::string bytes = base::encodeBmp(picture);
        checkFile(bytes, true, picture);
        return true;
    }();
    if (!pictureLoaded) __builtin_trap();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    base::Bitmap picture;
    const bool decoded = base::decodeBmp(bytes, picture);
    if (size % 16 == 0) checkFile(bytes, decoded, picture);
    if (!decoded) return 0;
    base::Bitmap again;
    if (!base::decodeBmp(base::encodeBmp(picture), again) || !samePicture(again, picture)) __builtin_trap();
    return 0;
}
