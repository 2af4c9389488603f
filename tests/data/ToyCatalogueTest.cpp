// The toy catalogue item.dat: its layout, the named buttons' toys, and what the toy panel relies on.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/Cp932.h"
#include "base/TextReader.h"
#include "tests/data/GameFolder.h"

namespace {

constexpr int kSlots = 513;
const std::string kItemPath = datatest::kDatDir + "/item.dat";

struct Entry {
    std::string name, about;
    int rarity = 0;
};

std::vector<Entry> readCatalogue() {
    base::TextReader in(kItemPath);
    std::vector<Entry> entries(kSlots);
    for (auto& e : entries) {
        e.name = in.readLine();
        e.rarity = in.readInt();
        e.about = in.readLine();
    }
    return entries;
}

TEST(ToyCatalogue, Has1539CrLfLinesInCodePage932) {
    const std::string bytes = datatest::readBytes(kItemPath);
    bool ok = false;
    const auto lines = datatest::crlfLines(bytes, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(lines.size(), 1539u);
    // Every line decodes as code page 932 and encodes back to the same bytes.
    for (const auto& line : lines) EXPECT_EQ(base::toCp932(base::fromCp932(line)), line);
}

TEST(ToyCatalogue, SlotsZeroToSixAreTheToysWithButtons) {
    const auto toys = readCatalogue();
    const char* expected[] = {"gu-gu", "gu-gu and moon", "gu-gu child", "white gu-gu",
                              "jaw",   "cloits",         "mint flower"};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(toys[k].name, expected[k]) << "slot " << k;
}

TEST(ToyCatalogue, NamedToysHaveRarityAndDescriptionAndUniqueNames) {
    const auto toys = readCatalogue();
    std::set<std::string> names;
    std::set<int> rarities;
    int named = 0;
    for (int k = 0; k < kSlots; ++k) {
        const auto& t = toys[k];
        if (t.name.empty()) {
            EXPECT_EQ(t.rarity, 0) << "slot " << k;
            EXPECT_TRUE(t.about.empty()) << "slot " << k;
            continue;
        }
        ++named;
        EXPECT_TRUE(names.insert(t.name).second) << "the panel finds toys by name: '" << t.name << "' twice";
        EXPECT_GE(t.rarity, 1) << t.name;
        EXPECT_LE(t.rarity, 10) << t.name;
        EXPECT_FALSE(t.about.empty()) << t.name;
        rarities.insert(t.rarity);
    }
    EXPECT_GE(named, 120);
    EXPECT_EQ(rarities.size(), 10u) << "rarities 1 to 10 are all used";
}

TEST(ToyCatalogue, LastSlotIsEmptyBecauseTheLotteryNeverDrawsIt) {
    const auto toys = readCatalogue();
    EXPECT_TRUE(toys[512].name.empty());
    EXPECT_EQ(toys[512].rarity, 0);
    EXPECT_TRUE(toys[512].about.empty());
}

TEST(ToyCatalogue, EveryNamedToyHasItsPictureAndNoOtherSlotHasOne) {
    const auto toys = readCatalogue();
    for (int k = 0; k < kSlots; ++k) {
        const bool exists = std::filesystem::exists(datatest::kCgDir + "/unit" + std::to_string(k) + ".bmp");
        EXPECT_EQ(exists, !toys[k].name.empty()) << "slot " << k;
    }
}

}  // namespace
