// Replacing files where others may meddle: planted links, links to the real file, permission bits, pipes
// and devices in place of a file, no home folder, folders other users may write to, and the instance lock.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "base/DataFolder.h"
#include "base/InstanceLock.h"
#include "base/IoError.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "tests/base/TempDir.h"

namespace {

namespace fs = std::filesystem;
using testutil::readAll;
using testutil::TempDir;
using testutil::writeAll;

void writeOne(const std::string& path, const std::string& line) {
    base::TextWriter w(path);
    w.writeLine(line);
    w.commit();
}

class SafeFileTest : public ::testing::Test {
  protected:
    void TearDown() override { base::setTempNameHook(nullptr); }
    TempDir dir;
};

TEST_F(SafeFileTest, ALinkPlantedAtATemporaryNameIsNeverFollowed) {
    const std::string victim = dir.file("victim.txt");
    writeAll(victim, "untouched");
    // The old fixed name and the very name the writer tries first both lead to the victim.
    fs::create_symlink(victim, dir.file(".my.dat.tmp"));
    fs::create_symlink(victim, dir.file(".my.dat.AAAAAA.tmp"));
    int calls = 0;
    base::setTempNameHook([&] { return ++calls == 1 ? std::string("AAAAAA") : std::string("BBBBBB"); });
    writeOne(dir.file("my.dat"), "saved");
    EXPECT_EQ(readAll(victim), "untouched");
    EXPECT_EQ(readAll(dir.file("my.dat")), "saved\r\n");
    EXPECT_EQ(calls, 2) << "the taken name was passed over";
    EXPECT_TRUE(fs::is_symlink(dir.file(".my.dat.AAAAAA.tmp")));
}

TEST_F(SafeFileTest, TwoWritersNeverShareATemporaryFile) {
    base::TextWriter a(dir.file("my.dat"));
    base::TextWriter b(dir.file("my.dat"));
    a.writeLine("a");
    b.writeLine("b");
    b.commit();
    a.commit();
    EXPECT_EQ(readAll(dir.file("my.dat")), "a\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(SafeFileTest, ASaveThroughALinkWritesItsTargetAndKeepsTheLink) {
    fs::create_directories(dir.path() / "real");
    const std::string real = dir.file("real/my.dat");
    writeAll(real, "old");
    fs::create_symlink(real, dir.file("my.dat"));
    writeOne(dir.file("my.dat"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.file("my.dat")));
    EXPECT_EQ(readAll(real), "new\r\n");

    fs::create_symlink(dir.file("nowhere/x.dat"), dir.file("dangling.dat"));
    try {
        writeOne(dir.file("dangling.dat"), "x");
        FAIL() << "a link to nowhere is refused";
    } catch (const base::IoError& e) {
        EXPECT_EQ(e.code(), 5);
    }
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.dat")));
}

TEST_F(SafeFileTest, TheReplacementKeepsThePermissionBits) {
    const std::string path = dir.file("my.dat");
    writeAll(path, "old");
    ::chmod(path.c_str(), 0600);
    writeOne(path, "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST_F(SafeFileTest, StageReadsTakeOnlyRegularFilesOfBoundedSize) {
    const std::string fifo = dir.file("pipe.usr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), dir.path().string()}) {
        try {
            base::TextReader in(path, 1 << 20);  // a pipe with no writer would block a plain open
            FAIL() << path;
        } catch (const base::IoError& e) {
            EXPECT_EQ(e.code(), 100) << path;
        }
    }
    const std::string big = dir.file("big.usr");
    writeAll(big, std::string((1 << 20) + 1, '0'));
    EXPECT_THROW(base::TextReader(big, 1 << 20), base::IoError);
    writeAll(big, std::string(1 << 20, '0'));
    EXPECT_NO_THROW(base::TextReader(big, 1 << 20));
}

TEST_F(SafeFileTest, ASettingsFileThatIsAPipeIsNoSettingsAtAll) {
    const std::string ini = dir.file("zorban.ini");
    ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);  // nobody writes to it: a blocking open would hang here
    base::Settings settings(ini, "zorban");
    EXPECT_EQ(settings.get("Scale", 7), 7);
    settings.set("Scale", 2);
    EXPECT_TRUE(settings.saved());
    EXPECT_EQ(base::Settings(ini, "zorban").get("Scale", 0), 2);
}

TEST_F(SafeFileTest, WritingAndSyncingNameTheFailedStepAndAlwaysClose) {
    const std::string path = dir.file("bytes.bin");
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(base::writeAll(fd, std::string(1 << 17, 'x')));
    EXPECT_FALSE(base::syncAndClose(fd));
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
    EXPECT_EQ(fs::file_size(path), 1u << 17);

    fd = ::open(path.c_str(), O_RDONLY);
    const base::FileFault unwritable = base::writeAll(fd, "x");
    EXPECT_STREQ(unwritable.step, "write");
    EXPECT_EQ(unwritable.err, EBADF);
    ::close(fd);

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const base::FileFault unsynced = base::syncAndClose(pipeEnds[1]);  // a pipe cannot be synced
    EXPECT_STREQ(unsynced.step, "fsync");
    EXPECT_EQ(::fcntl(pipeEnds[1], F_GETFD), -1) << "closed all the same";
    ::close(pipeEnds[0]);
}

TEST(DataFolder, NoHomeMeansThePasswordDatabaseNeverASharedFolder) {
    const std::string chosen = base::chooseDataDir("/nonexistent/program/", "", "");
    EXPECT_FALSE(chosen.starts_with("/tmp")) << chosen;
    if (!chosen.empty()) {
        EXPECT_TRUE(chosen.ends_with("/.local/share/zorban/")) << chosen;
    }
    EXPECT_EQ(base::chooseDataDir("/nonexistent/program/", "relative/data", ""), chosen);
    EXPECT_EQ(base::chooseDataDir("/nonexistent/program/", "", "/home/player"),
              "/home/player/.local/share/zorban/");
    EXPECT_EQ(base::chooseDataDir("/nonexistent/program/", "/xdg", "/home/player"), "/xdg/zorban/");
}

TEST(DataFolder, AFolderOthersMayWriteToIsNotTrusted) {
    TempDir dir;
    const std::string folder = dir.path().string() + "/";
    EXPECT_TRUE(base::dataDirTrusted(folder));
    EXPECT_TRUE(base::dataDirTrusted(folder + "missing/"));
    EXPECT_FALSE(base::dataDirTrusted(""));
    EXPECT_FALSE(base::dataDirTrusted("relative/"));
    fs::create_directories(dir.path() / "dat");
    ::chmod((dir.path() / "dat").c_str(), 0777);
    EXPECT_FALSE(base::dataDirTrusted(folder));
    ::chmod((dir.path() / "dat").c_str(), 0755);
    ::chmod(dir.path().c_str(), 01777);
    EXPECT_FALSE(base::dataDirTrusted(folder));
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_TRUE(base::dataDirTrusted(folder));
    if (::getuid() == 0) {  // only root can hand a folder to another user
        ASSERT_EQ(::chown(dir.path().c_str(), 65534, 65534), 0);
        EXPECT_FALSE(base::dataDirTrusted(folder)) << "owned by another user";
    }
}

TEST(InstanceLock, OneHolderAndNothingLeftAfterIt) {
    TempDir dir;
    const std::string path = dir.file(".zorban.lock");
    {
        base::InstanceLock first(path);
        EXPECT_EQ(first.state(), base::InstanceLock::State::Held);
        base::InstanceLock second(path);
        EXPECT_EQ(second.state(), base::InstanceLock::State::Taken);
    }
    base::InstanceLock again(path);  // the file stays, the lock does not
    EXPECT_EQ(again.state(), base::InstanceLock::State::Held);
    EXPECT_EQ(base::InstanceLock(dir.file("missing/x.lock")).state(), base::InstanceLock::State::Unusable);
}

}  // namespace
