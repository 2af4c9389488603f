// Remembered settings, INI rewriting and the choice of the folder written files go to.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>

#include "base/DataFolder.h"
#include "base/IniFile.h"
#include "base/Settings.h"
#include "tests/base/TempDir.h"

namespace {

TEST(IniFileWrite, SetReplacesTheFirstValueOrAddsTheKeyToItsSection) {
    base::IniFile ini = base::IniFile::parse("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    ini.set("A", "X", "5");
    ini.set("a", "z", "6");
    ini.set("c", "w", "7");
    EXPECT_EQ(ini.text(), "[a]\r\nx=5\r\nz=6\r\n\r\n[b]\r\ny=2\r\n\r\n[c]\r\nw=7\r\n");
    EXPECT_EQ(base::IniFile::parse(ini.text()).getInt("a", "z", 0), 6);
}

TEST(Settings, ValuesSurviveARestartAndSectionsOfOtherProgramsAreKept) {
    testutil::TempDir dir;
    const std::string path = dir.file("zorban.ini");
    {
        base::Settings game(path, "zorban");
        base::Settings maker(path, "zorban_maker");
        game.set("Scale", 2);
        maker.set("Scale", 3);  // written after the game's change: must not drop it
        game.set("Volume", 40);
        EXPECT_TRUE(game.saved());
    }
    base::Settings again(path, "zorban");
    EXPECT_EQ(again.get("Scale", 1), 2);
    EXPECT_EQ(again.get("Volume", 100), 40);
    EXPECT_EQ(base::Settings(path, "zorban_maker").get("Scale", 1), 3);
    EXPECT_EQ(again.get("Mute", 0), 0);
}

TEST(Settings, AnUnwritableFileKeepsTheValueForThisRunOnly) {
    base::Settings s("/nonexistent/folder/zorban.ini", "zorban");
    s.set("Scale", 2);
    EXPECT_FALSE(s.saved());
    EXPECT_EQ(s.get("Scale", 1), 2);
}

TEST(Settings, AFileTooLargeToReadWholeIsNeverCutShort) {
    testutil::TempDir dir;
    const std::string path = dir.file("zorban.ini");
    std::string big = "[zorban_maker]\r\nscale=2\r\n";
    big.resize(base::IniFile::kMaxFileBytes, ';');
    big += "\r\n[zorban_runner]\r\nscale=3\r\n";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(big.data(), 1, big.size(), f);
        std::fclose(f);
    }
    base::Settings game(path, "zorban");
    game.set("Volume", 40);
    EXPECT_FALSE(game.saved());
    EXPECT_EQ(game.get("Volume", 0), 40);  // for this run
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::string after(big.size() + 1, '\0');
    after.resize(std::fread(after.data(), 1, after.size(), f));
    std::fclose(f);
    EXPECT_EQ(after, big);  // the runner's section past the limit is still there
}

TEST(Settings, AnUnchangedValueWritesNothing) {
    testutil::TempDir dir;
    base::Settings s(dir.file("zorban.ini"), "zorban");
    s.set("Scale", 1);
    std::filesystem::remove(dir.file("zorban.ini"));
    s.set("Scale", 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("zorban.ini")));
}

TEST(DataFolder, AWritableProgramFolderIsUsedAsItIs) {
    testutil::TempDir dir;
    std::filesystem::create_directories(dir.path() / "dat");
    const std::string program = dir.path().string() + "/";
    EXPECT_EQ(base::chooseDataDir(program, "/xdg", "/home/u"), program);
}

TEST(DataFolder, AReadOnlyProgramFolderSendsWritesToTheXdgDataFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    testutil::TempDir dir;
    std::filesystem::create_directories(dir.path() / "dat");
    const std::string program = dir.path().string() + "/";
    ::chmod((dir.path() / "dat").c_str(), 0555);
    EXPECT_EQ(base::chooseDataDir(program, "/xdg/data", "/home/u"), "/xdg/data/zorban/");
    EXPECT_EQ(base::chooseDataDir(program, "", "/home/u"), "/home/u/.local/share/zorban/");
    EXPECT_EQ(base::chooseDataDir(program, "relative/path", "/home/u"), "/home/u/.local/share/zorban/");
    ::chmod((dir.path() / "dat").c_str(), 0755);
}

TEST(DataFolder, AMissingProgramFolderIsNotWritable) {
    EXPECT_EQ(base::chooseDataDir("/nonexistent/game/", "/xdg/", ""), "/xdg/zorban/");
}

}  // namespace
