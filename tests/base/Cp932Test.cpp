// Code page 932 conversion: the characters where it differs from plain Shift_JIS, half-width kana, raw bytes.
#include <gtest/gtest.h>

#include "base/Cp932.h"

namespace {

struct Pair {
    const char* utf8;
    const char* cp932;
};

class Cp932RoundTrip : public ::testing::TestWithParam<Pair> {};

TEST_P(Cp932RoundTrip, EncodesAndDecodes) {
    const Pair p = GetParam();
    EXPECT_EQ(base::toCp932(p.utf8), p.cp932);
    EXPECT_EQ(base::fromCp932(p.cp932), p.utf8);
    EXPECT_EQ(base::cp932Length(p.utf8), std::string(p.cp932).size());
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp932RoundTrip,
    ::testing::Values(Pair{"abc 123", "abc 123"},
                      Pair{"～", "\x81\x60"},                           // full-width tilde, not the wave dash
                      Pair{"－", "\x81\x7C"},                           // full-width hyphen-minus
                      Pair{"ｱｲｳｴｵﾞﾟ", "\xB1\xB2\xB3\xB4\xB5\xDE\xDF"},  // half-width kana: one byte each
                      Pair{"①", "\x87\x40"},                            // an NEC special character
                      Pair{"∥", "\x81\x61"}, Pair{"￢", "\x81\xCA"},
                      Pair{"ゾルバン５ｔｈ", "\x83\x5D\x83\x8B\x83\x6F\x83\x93\x82\x54\x82\x94\x82\x88"},
                      Pair{"\r\n", "\r\n"}));

TEST(Cp932, UndecodableBytesComeBackUnchanged) {
    for (const std::string& bytes :
         {std::string("\x81"), std::string("ab\x82"), std::string("\x85\x40x"), std::string("\xFD\xFE\xFF"),
          std::string("\x80\xA0"), std::string("\xEF\x40")}) {
        const std::string text = base::fromCp932(bytes);
        EXPECT_TRUE(base::isCp932(text));
        EXPECT_EQ(base::toCp932(text), bytes);
        EXPECT_EQ(base::cp932Length(text), bytes.size());
    }
}

TEST(Cp932, AnUnmappedPairStaysWholeSoTheNextCharacterReadsTheSameAfterWritingBack) {
    // 0xEE 0xEE has no character; 0xEE 0x80 is written back in its preferred code 0xFB 0x9C. Keeping only the
    // first 0xEE made it pair with 0xFB on the next reading, turning the text into another.
    const std::string bytes = "\xEE\xEE\x80\xAE";
    const std::string text = base::fromCp932(bytes);
    EXPECT_EQ(base::toCp932(text), bytes);
    EXPECT_EQ(base::fromCp932(base::toCp932(base::fromCp932("\xEE\xEE\xEE\x80"))),
              base::fromCp932("\xEE\xEE\xEE\x80"));
}

TEST(Cp932, RefusesCharactersItCannotHold) {
    for (const char* s : {"😀", "한", "a\xC3", "\xFF"}) {
        EXPECT_FALSE(base::isCp932(s)) << s;
        EXPECT_THROW(base::toCp932(s), base::EncodingError) << s;
    }
    EXPECT_EQ(base::cp932Length("a😀"), 3u);  // a character it lacks counts as two bytes
}

}  // namespace
