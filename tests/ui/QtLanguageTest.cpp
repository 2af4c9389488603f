// The language of a Qt program: the translation found beside the program, the choice kept in the settings and
// the switch for the next start.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/Translation.h"
#include "tests/base/TempDir.h"
#include "ui/qt/QtLanguage.h"
#include "ui/qt/QtPlatform.h"

namespace {

TEST(QtLanguage, TheChosenTranslationSpeaksAndTheSwitchCyclesForTheNextStart) {
    int argc = 1;
    char name[] = "qt_language_test";
    char* argv[] = {name, nullptr};
    ui::qt::QtPlatform platform(argc, argv);
    const testutil::TempDir dir;
    std::filesystem::copy_file(ZORBAN_GAME_DIR "/zorban_en.qm", dir.file("zorban_en.qm"));
    const std::string folder = dir.path().string() + "/";
    EXPECT_EQ(ui::qt::QtLanguage::available(folder), std::vector<std::string>{"en"});

    base::Settings settings;  // in memory
    settings.setText("language", "en");
    {
        ui::qt::QtLanguage language(folder, &settings);
        EXPECT_EQ(language.code(), "en");
        EXPECT_FALSE(base::japanese());
        EXPECT_EQ(base::fillIn(base::translate("Status", "残時間:%1光年"), "12"), "Time:12 ly");
        // Ctrl+Shift+L: Japanese from the next start, English after that; this run goes on in English.
        EXPECT_TRUE(ui::qt::QtLanguage::isSwitchKey({'L', true, true}));
        EXPECT_FALSE(ui::qt::QtLanguage::isSwitchKey({'L', true, false}));
        EXPECT_EQ(language.switchForNextStart(), "日本語 from the next start");
        EXPECT_EQ(settings.getText("language"), "ja");
        EXPECT_EQ(language.switchForNextStart(), "English from the next start");
        EXPECT_EQ(settings.getText("language"), "en");
    }
    settings.setText("language", "ja");
    ui::qt::QtLanguage japanese(folder, &settings);
    EXPECT_EQ(japanese.code(), "ja");
    EXPECT_EQ(base::translate("Status", "残時間:%1光年"), "残時間:%1光年");
}

}  // namespace
