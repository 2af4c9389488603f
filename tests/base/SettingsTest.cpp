// Remembered settings, INI rewriting and the choice of the folder written files go to.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "base/DataFolder.h"
#include "base/IniFile.h"
#include "base/InstanceLock.h"
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

// A file that is there but cannot be opened (too many open files, another user's file) is never replaced.
TEST(Settings, AFileThatCannotBeOpenedIsNeverRewritten) {
    testutil::TempDir dir;
    const std::string path = dir.file("zorban.ini");
    base::Settings(path, "zorban").set("Scale", 2);
    base::Settings(path, "zorban_maker").set("Scale", 3);
    const std::string before = testutil::readAll(path);
    base::Settings game(path, "zorban");
    {
        struct rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
        const int lowest = ::dup(0);  // the lowest free descriptor: no file opens beyond it
        ASSERT_GE(lowest, 0);
        ::close(lowest);
        struct rlimit tight = saved;
        tight.rlim_cur = static_cast<rlim_t>(lowest);
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
        game.set("Volume", 40);
        ::setrlimit(RLIMIT_NOFILE, &saved);
    }
    EXPECT_FALSE(game.saved());
    EXPECT_EQ(game.get("Volume", 100), 40);
    EXPECT_EQ(game.get("Scale", 1), 2);
    EXPECT_EQ(testutil::readAll(path), before);
    if (::geteuid() == 0) GTEST_SKIP() << "root opens any file";
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    game.set("Mute", 1);
    EXPECT_FALSE(game.saved());
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(testutil::readAll(path), before);
}

// Another program writing the settings holds their lock: a change waits for it about a second, then is kept
// for this run only; with the lock free, the next change is written.
TEST(Settings, AChangeWaitsForTheLockOfAnotherWriter) {
    testutil::TempDir dir;
    const std::string path = dir.file("zorban.ini");
    base::Settings(path, "zorban_maker").set("Scale", 3);
    base::Settings game(path, "zorban");
    {
        base::InstanceLock other(path + ".lock");
        ASSERT_EQ(other.state(), base::InstanceLock::State::Held);
        const auto t0 = std::chrono::steady_clock::now();
        game.set("Volume", 40);
        const auto waited = std::chrono::steady_clock::now() - t0;
        EXPECT_FALSE(game.saved());
        EXPECT_GE(waited, std::chrono::milliseconds(base::Settings::kLockWaitMs - 100));
        EXPECT_EQ(base::Settings(path, "zorban").get("Volume", 100), 100) << "written under another's lock";
    }
    game.set("Mute", 1);
    EXPECT_TRUE(game.saved());
    EXPECT_EQ(base::Settings(path, "zorban").get("Mute", 0), 1);
    EXPECT_EQ(base::Settings(path, "zorban_maker").get("Scale", 1), 3);
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
    ::chmod(dir.path().c_str(), 0755);
    ::chmod((dir.path() / "dat").c_str(), 0755);
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

// A portable folder on a disk that shows every file as 0777, or a group-writable install: the saves go to the
// per-user folder, which is made for this user only.
TEST(DataFolder, AProgramFolderOthersMayWriteToSendsWritesToTheXdgDataFolder) {
    testutil::TempDir dir;
    std::filesystem::create_directories(dir.path() / "dat");
    const std::string program = dir.path().string() + "/";
    for (const mode_t mode : {0777, 0775, 0770}) {
        ::chmod(dir.path().c_str(), mode);
        EXPECT_FALSE(base::dataDirTrusted(program)) << std::oct << mode;
        EXPECT_EQ(base::chooseDataDir(program, "/xdg/data", "/home/u"), "/xdg/data/zorban/")
            << std::oct << mode;
    }
    ::chmod(dir.path().c_str(), 0755);
    ::chmod((dir.path() / "dat").c_str(), 0775);
    EXPECT_EQ(base::chooseDataDir(program, "/xdg/data", "/home/u"), "/xdg/data/zorban/");
    ::chmod((dir.path() / "dat").c_str(), 0755);
    EXPECT_EQ(base::chooseDataDir(program, "/xdg/data", "/home/u"), program);

    const std::string data = dir.file("home/.local/share/zorban/dat");
    base::makePrivateFolders(data);
    for (const char* part : {"home", "home/.local/share/zorban", "home/.local/share/zorban/dat"}) {
        struct stat st {};
        ASSERT_EQ(::stat(dir.file(part).c_str(), &st), 0) << part;
        EXPECT_EQ(st.st_mode & 07777, 0700u) << part;
    }
    EXPECT_TRUE(base::dataDirTrusted(dir.file("home/.local/share/zorban/")));
}

TEST(DataFolder, AMissingProgramFolderIsNotWritable) {
    EXPECT_EQ(base::chooseDataDir("/nonexistent/game/", "/xdg/", ""), "/xdg/zorban/");
}

}  // namespace
