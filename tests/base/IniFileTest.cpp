// Reading SOUNDMIX.INI: sections, keys, case, comments, defaults and the integer rules.
#include <gtest/gtest.h>

#include "base/IniFile.h"

using base::IniFile;

TEST(IniFile, KeysAreFoundInTheirSectionWithoutRegardToCase) {
    const IniFile ini = IniFile::parse(
        "; comment\r\n[Default]\r\n  WaveBlocks = 5 "
        "\r\nRemix=2\r\n[general]\r\nWaveBlocks=4\r\n[x]\r\nempty=\r\n");
    EXPECT_EQ(ini.getInt("default", "waveblocks", 3), 5);
    EXPECT_EQ(ini.getInt("DEFAULT", "Remix", 1), 2);
    EXPECT_EQ(ini.getInt("general", "WaveBlocks", 3), 4);
    EXPECT_EQ(ini.getInt("general", "Remix", 7), 7);  // absent key
    EXPECT_EQ(ini.getInt("nowhere", "Remix", 9), 9);  // absent section
    EXPECT_EQ(ini.getInt("x", "empty", 6), 6);        // empty value
}

struct IntRow {
    const char* value;
    std::int32_t expected;
};
class IniIntegers : public testing::TestWithParam<IntRow> {};

TEST_P(IniIntegers, ReadLikeTheProfileApi) {
    const IniFile ini = IniFile::parse(std::string("[s]\nk=") + GetParam().value + "\n");
    EXPECT_EQ(ini.getInt("s", "k", 42), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, IniIntegers,
                         testing::Values(IntRow{"12", 12}, IntRow{"-1", -1}, IntRow{"+7", 7},
                                         IntRow{"44kHz", 44}, IntRow{"abc", 0},
                                         IntRow{"99999999999", 2147483647},
                                         IntRow{"-99999999999", -2147483647 - 1}, IntRow{"0x10", 0}));

TEST(IniFile, KeysBeforeAnySectionAndBrokenLinesAreIgnored) {
    const IniFile ini = IniFile::parse("k=1\n[s\nk=2\nno equals sign\n=3\n");
    EXPECT_EQ(ini.getInt("s", "k", 0), 2);
    EXPECT_EQ(ini.getInt("s", "", 0), 3);
}

TEST(IniFile, MissingFileGivesDefaults) {
    EXPECT_EQ(IniFile::load("/nonexistent/SOUNDMIX.INI").getInt("default", "WaveBlocks", 3), 3);
}
