// BMP pictures: encode and decode give back the pixels; bad data is refused without touching the output.
#include <gtest/gtest.h>

#include "base/BmpFile.h"
#include "tests/base/TempDir.h"

namespace {

base::Bitmap sample(int w, int h) {
    base::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y,
                       {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 30),
                        static_cast<std::uint8_t>(x ^ y)});
    return b;
}

bool samePixels(const base::Bitmap& a, const base::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

TEST(BmpFile, RoundTripKeepsEveryPixelForOddWidths) {
    for (int w : {1, 2, 3, 5, 7}) {
        const base::Bitmap in = sample(w, 4);
        base::Bitmap out;
        ASSERT_TRUE(base::decodeBmp(base::encodeBmp(in), out)) << w;
        EXPECT_TRUE(samePixels(in, out)) << w;
    }
}

// A 2 x 2 picture of 8 bits per pixel with a two-colour palette, stored top-down.
std::string palettedTopDown() {
    std::string s = base::encodeBmp(base::Bitmap(1, 1));  // borrow a valid header, then rewrite it
    s.resize(54);
    auto put32 = [&s](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put32(10, 54 + 8);                          // pixel data after the palette
    put32(18, 2);                               // width
    put32(22, static_cast<std::uint32_t>(-2));  // height, top-down
    s[28] = 8;                                  // bits per pixel
    put32(46, 2);                               // palette entries
    s += std::string("\x00\x00\xFF\x00", 4);    // red (blue, green, red, 0)
    s += std::string("\xFF\x00\x00\x00", 4);    // blue
    s += std::string("\x00\x01\x00\x00", 4);    // row 0: red, blue
    s += std::string("\x01\x00\x00\x00", 4);    // row 1: blue, red
    return s;
}

TEST(BmpFile, DecodesPalettedTopDown) {
    base::Bitmap out;
    ASSERT_TRUE(base::decodeBmp(palettedTopDown(), out));
    EXPECT_EQ(out.colourAt(0, 0), base::colours::Red);
    EXPECT_EQ(out.colourAt(1, 0), base::colours::Blue);
    EXPECT_EQ(out.colourAt(0, 1), base::colours::Blue);
}

TEST(BmpFile, RefusesBrokenDataAndLeavesOutputAlone) {
    const std::string good = base::encodeBmp(sample(3, 3));
    std::vector<std::string> bad = {"", "BM", good.substr(0, 53), good.substr(0, good.size() - 1),
                                    "XX" + good.substr(2)};
    std::string huge = good;
    huge[19] = 0x7F;  // width far beyond the limit
    bad.push_back(huge);
    std::string rle = good;
    rle[30] = 1;  // compressed
    bad.push_back(rle);
    for (const auto& b : bad) {
        base::Bitmap out(1, 1, base::colours::Lime);
        EXPECT_FALSE(base::decodeBmp(b, out));
        EXPECT_EQ(out.width(), 1);
        EXPECT_EQ(out.colourAt(0, 0), base::colours::Lime);
    }
}

TEST(BmpFile, LoadReportsMissingAndBrokenFiles) {
    testutil::TempDir dir;
    const std::string broken = dir.file("broken.bmp");
    testutil::writeAll(broken, "BMnonsense");
    for (const std::string& path : {dir.file("none.bmp"), broken}) {
        try {
            base::loadBmp(path);
            FAIL() << path;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "ﾌｧｲﾙ " + path + " は開けません");
        }
    }
}

}  // namespace
