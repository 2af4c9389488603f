// All-or-nothing writing: a failure at any step leaves the old file and no temporary file behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "base/IoError.h"
#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "tests/base/TempDir.h"

namespace {

using Step = base::TextWriter::Step;

class TextWriterTest : public ::testing::Test {
  protected:
    void TearDown() override { base::TextWriter::setFaultHook(nullptr); }

    int filesIn() const {
        int n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++n;
        return n;
    }
    // Writes three lines and commits.
    void writeThree(const std::string& path) {
        base::TextWriter w(path);
        w.writeLine("ゾルバン");
        w.writeInt(-42);
        w.writeLine("");
        w.commit();
    }

    testutil::TempDir dir;
};

TEST_F(TextWriterTest, WritesCp932WithCrLf) {
    const std::string path = dir.file("out.txt");
    writeThree(path);
    EXPECT_EQ(testutil::readAll(path), "\x83\x5D\x83\x8B\x83\x6F\x83\x93\r\n-42\r\n\r\n");
    EXPECT_EQ(filesIn(), 1);
}

struct Fault {
    Step step;
    int index;
    int err;
    const char* message;
};

class TextWriterFault : public TextWriterTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(TextWriterFault, LeavesOldFileAndNoTemporary) {
    const Fault f = GetParam();
    const std::string path = dir.file("save.dat");
    testutil::writeAll(path, "old\r\n");
    base::TextWriter::setFaultHook([f](Step s, int i) { return s == f.step && i == f.index ? f.err : 0; });
    try {
        writeThree(path);
        FAIL() << "no error";
    } catch (const base::IoError& e) {
        EXPECT_STREQ(e.what(), f.message);
    }
    EXPECT_EQ(testutil::readAll(path), "old\r\n");
    EXPECT_EQ(filesIn(), 1);
}

INSTANTIATE_TEST_SUITE_P(EachStep, TextWriterFault,
                         ::testing::Values(Fault{Step::Open, 0, EACCES, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
                                           Fault{Step::Write, 0, ENOSPC, "ﾃﾞｨｽｸがいっぱいです"},
                                           Fault{Step::Write, 1, EMFILE, "I/O ｴﾗｰ (1024)"},
                                           Fault{Step::Close, 0, EIO, "I/O ｴﾗｰ (1005)"},
                                           Fault{Step::Write, 2, ENOSPC, "ﾃﾞｨｽｸがいっぱいです"},
                                           Fault{Step::Close, 0, EDQUOT, "ﾃﾞｨｽｸがいっぱいです"}));

TEST_F(TextWriterTest, AbandonedWriterRemovesItsTemporary) {
    const std::string path = dir.file("save.dat");
    testutil::writeAll(path, "old\r\n");
    {
        base::TextWriter w(path);
        w.writeLine("new");
    }
    EXPECT_EQ(testutil::readAll(path), "old\r\n");
    EXPECT_EQ(filesIn(), 1);
}

TEST_F(TextWriterTest, TextTheCodePageLacksFailsBeforeAnythingIsReplaced) {
    const std::string path = dir.file("save.dat");
    testutil::writeAll(path, "old\r\n");
    EXPECT_ANY_THROW({
        base::TextWriter w(path);
        w.writeLine("😀");
        w.commit();
    });
    EXPECT_EQ(testutil::readAll(path), "old\r\n");
    EXPECT_EQ(filesIn(), 1);
}

struct Missing {
    const char* relative;
    const char* message;
};

class MissingPath : public TextWriterTest, public ::testing::WithParamInterface<Missing> {};

TEST_P(MissingPath, ReadingAndWritingReportTheRuntimeMessage) {
    const std::string path = dir.file(GetParam().relative);
    try {
        base::TextReader r(path);
        FAIL() << "opened " << path;
    } catch (const base::IoError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    if (std::string(GetParam().relative).find('/') != std::string::npos) {
        try {
            writeThree(path);
            FAIL() << "wrote " << path;
        } catch (const base::IoError& e) {
            EXPECT_STREQ(e.what(), GetParam().message);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, MissingPath,
                         ::testing::Values(Missing{"nofile.dat", "ﾌｧｲﾙが見つかりません"},
                                           Missing{"nofolder/file.dat", "不正なﾌｧｲﾙ名です"}));

TEST(IoError, MessagesByCode) {
    EXPECT_EQ(base::IoError::messageFor(2), "ﾌｧｲﾙが見つかりません");
    EXPECT_EQ(base::IoError::messageFor(3), "不正なﾌｧｲﾙ名です");
    EXPECT_EQ(base::IoError::messageFor(106), "入力値が数値ではありません");
    EXPECT_EQ(base::IoError::messageFor(32), "I/O ｴﾗｰ (32)");
}

}  // namespace
