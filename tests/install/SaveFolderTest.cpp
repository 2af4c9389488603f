// The save folder outside the program's folder: first-run copies of the initial saves, never over a file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/SaveFolder.h"
#include "ui/core/HeadlessPlatform.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kSaves = {"my.dat",  "my1.dat", "my2.dat", "my3.dat",
                                         "my4.dat", "my5.dat", "my6.dat"};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void put(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

// A program folder (program/dat/ with every initial save) and an empty place for the save folder.
class SaveFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zorban-savefolder-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        for (const std::string& name : kSaves) put(program() / "dat" / name, "initial " + name + "\r\n");
        platform_ = std::make_unique<ui::HeadlessPlatform>(program().string() + "/");
        services().dataDir = data().string() + "/";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    fs::path program() const { return root_ / "program"; }
    fs::path data() const { return root_ / "xdg" / "zorban"; }
    ui::Services& services() { return platform_->services(); }
    game::SaveFolderReport prepare() { return game::prepareSaveFolder(services()); }

    fs::path root_;
    std::unique_ptr<ui::HeadlessPlatform> platform_;
};

TEST_F(SaveFolderTest, FirstRunCopiesEveryInitialSaveIntoANewFolder) {
    const game::SaveFolderReport report = prepare();
    EXPECT_EQ(report.copied, kSaves);
    EXPECT_TRUE(report.missing.empty());
    EXPECT_TRUE(report.failed.empty());
    for (const std::string& name : kSaves)
        EXPECT_EQ(slurp(data() / "dat" / name), "initial " + name + "\r\n");
    // Only the saves: no staged copies are left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(data() / "dat"), fs::directory_iterator()), 7);
    // The second run finds them all.
    EXPECT_TRUE(prepare().copied.empty());
}

TEST_F(SaveFolderTest, ExistingSavesAreNeverReplaced) {
    put(data() / "dat" / "my.dat", "played\r\n");
    put(data() / "dat" / "my3.dat", "");  // even an empty file is the player's
    fs::create_symlink("nowhere", data() / "dat" / "my5.dat");
    const game::SaveFolderReport report = prepare();
    EXPECT_EQ(report.copied, (std::vector<std::string>{"my1.dat", "my2.dat", "my4.dat", "my6.dat"}));
    EXPECT_EQ(slurp(data() / "dat" / "my.dat"), "played\r\n");
    EXPECT_EQ(slurp(data() / "dat" / "my3.dat"), "");
    EXPECT_TRUE(fs::is_symlink(data() / "dat" / "my5.dat"));
}

TEST_F(SaveFolderTest, ThePortableFolderIsLeftAlone) {
    services().dataDir = services().programDir;
    fs::remove(program() / "dat" / "my2.dat");
    const game::SaveFolderReport report = prepare();
    EXPECT_TRUE(report.copied.empty() && report.missing.empty() && report.failed.empty());
    EXPECT_FALSE(fs::exists(program() / "dat" / "my2.dat"));
    EXPECT_FALSE(fs::exists(root_ / "xdg"));
}

TEST_F(SaveFolderTest, SavesTheProgramFolderLacksAreReportedMissing) {
    fs::remove(program() / "dat" / "my.dat");
    fs::remove(program() / "dat" / "my4.dat");
    fs::remove(program() / "dat" / "my6.dat");
    fs::create_directory(program() / "dat" / "my6.dat");  // not a file: nothing to copy
    const game::SaveFolderReport report = prepare();
    EXPECT_EQ(report.missing, (std::vector<std::string>{"my.dat", "my4.dat", "my6.dat"}));
    EXPECT_EQ(report.copied.size(), 4u);
    EXPECT_FALSE(fs::exists(data() / "dat" / "my.dat"));
    EXPECT_FALSE(fs::exists(data() / "dat" / "my6.dat"));
    // A save the player already has is not missing, whatever the program's folder holds.
    put(data() / "dat" / "my.dat", "played\r\n");
    EXPECT_EQ(prepare().missing, (std::vector<std::string>{"my4.dat", "my6.dat"}));
}

TEST_F(SaveFolderTest, ASaveFolderThatCannotBeMadeFailsEachCopyWithoutAPartialFile) {
    put(data() / "dat", "a file where the folder should be");
    const game::SaveFolderReport report = prepare();
    EXPECT_TRUE(report.copied.empty());
    ASSERT_EQ(report.failed.size(), 7u);
    EXPECT_EQ(report.failed[0], "my.dat: Not a directory");
    EXPECT_EQ(slurp(data() / "dat"), "a file where the folder should be");
    EXPECT_EQ(std::distance(fs::directory_iterator(data()), fs::directory_iterator()), 1);
}

TEST(CopyIfMissing, CopiesOnceAndKeepsWhatIsThere) {
    std::string pattern = (fs::temp_directory_path() / "zorban-copy-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    put(dir / "from", "new");
    EXPECT_TRUE(game::copyIfMissing((dir / "from").string(), (dir / "to").string()));
    EXPECT_EQ(slurp(dir / "to"), "new");
    put(dir / "from", "newer");
    EXPECT_FALSE(game::copyIfMissing((dir / "from").string(), (dir / "to").string()));
    EXPECT_EQ(slurp(dir / "to"), "new");
    // A missing source throws and leaves neither the target nor a staged copy.
    EXPECT_THROW(game::copyIfMissing((dir / "absent").string(), (dir / "other").string()),
                 fs::filesystem_error);
    EXPECT_FALSE(fs::exists(dir / "other"));
    EXPECT_FALSE(fs::exists(dir / ".other.new"));
    fs::remove_all(dir);
}

}  // namespace
