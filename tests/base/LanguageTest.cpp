// The language rule and the placing of numbers and words into translated texts.
#include <gtest/gtest.h>

#include "base/LanguageChoice.h"
#include "base/Settings.h"
#include "base/Translation.h"
#include "tests/base/TempDir.h"

namespace {

using base::chooseLanguage;
using base::LanguageEnvironment;

const std::vector<std::string> kEnglish{"en"};

TEST(LanguageChoice, FollowsTheDesktopsListThenFallsBackToEnglishOrJapanese) {
    // Nothing named (unset, C, POSIX): Japanese, as the texts are written.
    EXPECT_EQ(chooseLanguage({}, "", kEnglish), "ja");
    EXPECT_EQ(chooseLanguage({"", "C", "", "POSIX"}, "", kEnglish), "ja");
    EXPECT_EQ(chooseLanguage({"", "", "", "C.UTF-8"}, "", kEnglish), "ja");
    // The first language with a translation, Japanese counting as one; LANGUAGE's list first.
    EXPECT_EQ(chooseLanguage({"", "", "", "en_US.UTF-8"}, "", kEnglish), "en");
    EXPECT_EQ(chooseLanguage({"fr:ja:en", "", "", "en_GB.UTF-8"}, "", kEnglish), "ja");
    EXPECT_EQ(chooseLanguage({"fr", "", "", "ja_JP.UTF-8"}, "", kEnglish), "ja");
    // LC_ALL before LC_MESSAGES before LANG.
    EXPECT_EQ(chooseLanguage({"", "ja_JP.UTF-8", "en_US", "en_US"}, "", kEnglish), "ja");
    EXPECT_EQ(chooseLanguage({"", "", "en_US@euro", "ja_JP"}, "", kEnglish), "en");
    // Languages named, none translated: English (a French desktop); with no English either, Japanese.
    EXPECT_EQ(chooseLanguage({"fr:de", "", "", "fr_FR.UTF-8"}, "", kEnglish), "en");
    EXPECT_EQ(chooseLanguage({"", "", "", "fr_FR.UTF-8"}, "", {}), "ja");
    // A country's own translation before the language's.
    EXPECT_EQ(chooseLanguage({"", "", "", "pt_BR.UTF-8"}, "", {"en", "pt", "pt_BR"}), "pt_BR");
    EXPECT_EQ(chooseLanguage({"", "", "", "pt_PT.UTF-8"}, "", {"en", "pt"}), "pt");
}

TEST(LanguageChoice, TheProgramsLanguageKeyOverridesTheDesktop) {
    EXPECT_EQ(chooseLanguage({"", "", "", "en_US.UTF-8"}, "ja", kEnglish), "ja");
    EXPECT_EQ(chooseLanguage({}, "en", kEnglish), "en");
    // A language without a translation is no choice: the desktop's rule stands.
    EXPECT_EQ(chooseLanguage({"", "", "", "en_US.UTF-8"}, "xx", kEnglish), "en");

    // The key is kept as a word in the program's section, beside the numbers.
    const testutil::TempDir dir;
    const std::string path = dir.file("zorban.ini");
    {
        base::Settings s(path, "zorban_maker");
        s.set("scale", 2);
        s.setText("language", "en");
        EXPECT_TRUE(s.saved());
    }
    base::Settings again(path, "zorban_maker");
    EXPECT_EQ(again.getText("LANGUAGE"), "en");
    EXPECT_EQ(again.get("scale", 0), 2);
    EXPECT_EQ(base::Settings(path, "zorban").getText("language"), std::nullopt);
}

TEST(Translation, NumbersAndWordsTakeTheirPlacesInTheTranslatedText) {
    EXPECT_EQ(base::shownNumber(33650), "33650");  // no translator: Japanese
    EXPECT_EQ(base::translate("Status", "残時間:%1光年"), "残時間:%1光年");
    base::setTranslator(
        [](const char*, const char* text) { return std::string(text) == "%1 の %2" ? "%2 of %1" : text; },
        "en");
    EXPECT_EQ(base::fillIn(base::translate("Test", "%1 の %2"), "A", "B"), "B of A");
    EXPECT_EQ(base::fillIn("100%1 %", "0"), "1000 %");  // a lone % stays
    EXPECT_EQ(base::shownNumber(33650), "33,650");
    EXPECT_EQ(base::shownNumber(-1234567), "-1,234,567");
    EXPECT_EQ(base::shownNumber(999), "999");
    EXPECT_EQ(base::translateData("Toys", ""), "");
    base::setTranslator(nullptr, "ja");
    EXPECT_TRUE(base::japanese());
}

}  // namespace
