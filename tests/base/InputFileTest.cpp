// The one reader of outside files: a regular file within its limit, read whole, or a ReadError that says why.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "base/InputFile.h"
#include "tests/base/TempDir.h"

namespace {

using base::ReadFailure;

// The failure readWholeFile meets at path, with its code.
std::pair<ReadFailure, int> failureOf(const std::string& path, std::size_t maxBytes = 100) {
    try {
        base::readWholeFile(path, maxBytes);
    } catch (const base::ReadError& e) {
        return {e.failure(), e.code()};
    }
    ADD_FAILURE() << path << " was read";
    return {};
}

TEST(InputFile, ReadsARegularFileWholeUpToItsLimit) {
    testutil::TempDir dir;
    const std::string file = dir.file("a.txt");
    testutil::writeAll(file, std::string(100, 'x'));
    EXPECT_EQ(base::readWholeFile(file, 100), std::string(100, 'x'));
    EXPECT_EQ(failureOf(file, 99), std::make_pair(ReadFailure::TooLarge, 100));
    EXPECT_EQ(failureOf(dir.file("none")), std::make_pair(ReadFailure::Open, 2));
    EXPECT_EQ(failureOf(dir.path().string()), std::make_pair(ReadFailure::Folder, 100));
    EXPECT_EQ(failureOf("/dev/null"), std::make_pair(ReadFailure::NotAFile, 100));
    // A regular file whose first page cannot be read: an error, never an empty file.
    EXPECT_EQ(failureOf("/proc/self/mem"), std::make_pair(ReadFailure::Read, 100));
}

TEST(InputFile, APipeIsRefusedWithoutWaitingForAWriter) {
    testutil::TempDir dir;
    const std::string pipe = dir.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return failureOf(pipe); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));  // lets the waiting reader go
        FAIL() << "reading a pipe waited for a writer";
    }
    EXPECT_EQ(reading.get(), std::make_pair(ReadFailure::NotAFile, 100));
}

}  // namespace
