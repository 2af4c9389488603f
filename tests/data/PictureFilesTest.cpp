// The pictures of cg/: 24-bit BMP files of the sizes the windows show, each toy's picture its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>

#include "base/Bitmap.h"
#include "base/BmpFile.h"
#include "tests/data/GameFolder.h"

namespace {

std::uint32_t u32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

// Checks the file header and decodes the picture; returns it empty on failure.
base::Bitmap checkedPicture(const std::string& path, int width, int height) {
    SCOPED_TRACE(path);
    const std::string b = datatest::readBytes(path);
    base::Bitmap bmp;
    EXPECT_GE(b.size(), 54u);
    if (b.size() < 54) return bmp;
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(u32(b, 2), b.size()) << "file size field";
    EXPECT_EQ(u32(b, 10), 54u) << "pixel data offset";
    EXPECT_EQ(u32(b, 14), 40u) << "info header size";
    EXPECT_EQ(static_cast<int>(u32(b, 18)), width);
    EXPECT_EQ(static_cast<int>(u32(b, 22)), height);
    EXPECT_EQ(b[28], 24) << "bits per pixel";
    EXPECT_EQ(u32(b, 30), 0u) << "no compression";
    EXPECT_TRUE(base::decodeBmp(b, bmp));
    return bmp;
}

struct FixedPicture {
    const char* name;
    int width, height;
};

class FixedPictures : public testing::TestWithParam<FixedPicture> {};

TEST_P(FixedPictures, ExistAtTheirSizeAndAreNotBlank) {
    const auto p = GetParam();
    const auto bmp = checkedPicture(datatest::kCgDir + "/" + p.name + ".bmp", p.width, p.height);
    ASSERT_FALSE(bmp.empty());
    std::set<std::uint32_t> colours;
    for (int y = 0; y < bmp.height(); ++y)
        for (int x = 0; x < bmp.width(); ++x) colours.insert(bmp.pixel(x, y));
    EXPECT_GT(colours.size(), 8u) << "a drawing, not a plain fill";
}

// The beat animation (shown at 45 x 45, the first frame also at 200 x 200) and the toy panel's decoration.
INSTANTIATE_TEST_SUITE_P(Cg, FixedPictures,
                         testing::Values(FixedPicture{"usu1", 100, 100}, FixedPicture{"usu2", 100, 100},
                                         FixedPicture{"toy_panel", 185, 341}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToyPictures, EachIs170SquareAndDiffersFromEveryOther) {
    std::set<std::string> seen;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(datatest::kCgDir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("unit", 0) != 0) continue;
        ++count;
        checkedPicture(entry.path().string(), 170, 170);
        EXPECT_TRUE(seen.insert(datatest::readBytes(entry.path().string())).second)
            << name << " repeats a picture";
    }
    EXPECT_GE(count, 120);
}

TEST(ToyPictures, TheTwoBeatFramesDiffer) {
    EXPECT_NE(datatest::readBytes(datatest::kCgDir + "/usu1.bmp"),
              datatest::readBytes(datatest::kCgDir + "/usu2.bmp"));
}

}  // namespace
