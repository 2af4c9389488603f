// The integer and line rules of the game's text files.
#include <gtest/gtest.h>

#include "base/IoError.h"
#include "base/TextReader.h"

namespace {

struct IntRow {
    const char* bytes;
    std::int32_t value;
    const char* nextLine;  // what readLine gives afterwards
};

class ReadInt : public ::testing::TestWithParam<IntRow> {};

TEST_P(ReadInt, ReadsValueAndSkipsRestOfLine) {
    const IntRow r = GetParam();
    auto reader = base::TextReader::fromBytes(r.bytes);
    EXPECT_EQ(reader.readInt(), r.value);
    EXPECT_EQ(reader.readLine(), r.nextLine);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadInt,
    ::testing::Values(IntRow{"7\r\nnext\r\n", 7, "next"}, IntRow{"  \t 7 and text\r\nnext\r\n", 7, "next"},
                      IntRow{"\r\n\r\n  \r\n-12\r\nnext", -12, "next"},  // empty lines skipped
                      IntRow{"+5\nnext", 5, "next"}, IntRow{"2147483647\r\n", 2147483647, ""},
                      IntRow{"-2147483648\r\n", INT32_MIN, ""}, IntRow{"", 0, ""},  // past the end
                      IntRow{"  \r\n \r\n", 0, ""}));

class BadInt : public ::testing::TestWithParam<const char*> {};

TEST_P(BadInt, IsAnInvalidNumber) {
    auto reader = base::TextReader::fromBytes(GetParam());
    try {
        reader.readInt();
        FAIL() << "no error for " << GetParam();
    } catch (const base::IoError& e) {
        EXPECT_EQ(e.code(), 106);
        EXPECT_STREQ(e.what(), "入力値が数値ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInt,
                         ::testing::Values("7a\r\n", "2147483648\r\n", "-2147483649\r\n",
                                           "99999999999999999999\r\n", "-\r\n", "x\r\n", "１\r\n",
                                           "0x10\r\n"));

TEST(TextReader, LinesAreDecodedAndEmptyLinesKept) {
    auto reader = base::TextReader::fromBytes("\r\n\x83\x5D\x83\x8B\r\nlast");
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_EQ(reader.readLine(), "ゾル");
    EXPECT_EQ(reader.readLine(), "last");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_EQ(reader.readInt(), 0);
}

TEST(TextReader, TitleAfterNumbersKeepsTrailingBlanks) {
    auto reader = base::TextReader::fromBytes("1\r\n2\r\nmy title  \r\n");
    EXPECT_EQ(reader.readInt(), 1);
    EXPECT_EQ(reader.readInt(), 2);
    EXPECT_EQ(reader.readLine(), "my title  ");
}

}  // namespace
