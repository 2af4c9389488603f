// A real process saving in a loop, killed with SIGKILL at random moments: the save file is always one of
// the two complete versions, and links planted at temporary names never lead the writes astray.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "base/SafeFile.h"
#include "base/TextWriter.h"
#include "tests/base/TempDir.h"

namespace {

namespace fs = std::filesystem;
using testutil::readAll;
using testutil::TempDir;
using testutil::writeAll;

constexpr int kKills = 500;
const char* const kPlanted[] = {"AAAAAA", "BBBBBB", "CCCCCC", "DDDDDD"};

// A common save file's worth of lines: 516 integers, all v.
void saveVersion(const std::string& path, int v) {
    base::TextWriter out(path);
    for (int i = 0; i < 516; ++i) out.writeInt(v);
    out.commit();
}

std::string versionBytes(int v) {
    std::string s;
    for (int i = 0; i < 516; ++i) s += std::to_string(v) + "\r\n";
    return s;
}

[[noreturn]] void saveForever(const std::string& path) {
    // Every other name tried is one where a link was planted, so each save meets one first.
    std::mt19937 gen(static_cast<unsigned>(::getpid()));
    unsigned call = 0;
    base::setTempNameHook([&] {
        if (call++ % 2 == 0) return std::string(kPlanted[gen() % 4]);
        std::string s(6, 'x');
        for (char& c : s) c = static_cast<char>('a' + gen() % 26);
        return s;
    });
    try {
        for (int v = 1;; v = 3 - v) saveVersion(path, v);
    } catch (...) {
    }
    ::_exit(1);  // never back into the test runner
}

TEST(KilledWriter, TheSaveFileIsAlwaysOneWholeVersion) {
    TempDir dir;
    const std::string path = dir.file("my.dat");
    const std::string victim = dir.file("victim");
    writeAll(victim, "untouched");
    for (const char* name : kPlanted)
        fs::create_symlink(victim, dir.file(std::string(".my.dat.") + name + ".tmp"));
    fs::create_symlink(victim, dir.file(".my.dat.tmp"));
    saveVersion(path, 1);
    const std::string one = versionBytes(1), two = versionBytes(2);

    std::mt19937 gen(12345);
    // Up to a few saves' time (more under the sanitizers), so that kills land before, in and after them.
    std::uniform_int_distribution<int> waitUs(0, 12000);
    int sawTwo = 0;
    for (int k = 0; k < kKills; ++k) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveForever(path);
        std::this_thread::sleep_for(std::chrono::microseconds(waitUs(gen)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string now = readAll(path);
        ASSERT_TRUE(now == one || now == two) << "after kill " << k << ": " << now.size() << " bytes";
        sawTwo += now == two;
        ASSERT_EQ(readAll(victim), "untouched") << "after kill " << k;
    }
    EXPECT_GT(sawTwo, 0) << "the kills came before any save was done";
    EXPECT_FALSE(fs::is_symlink(path));
}

}  // namespace
