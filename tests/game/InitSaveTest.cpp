// zorban_initsave: the first save files, and that a second run leaves the player's files alone.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "GameFolder.h"

namespace gametest {
namespace {

int runInitSave(const GameFolder& folder) {
    const std::string command =
        std::string("'") + ZORBAN_INITSAVE + "' '" + folder.path("dat").string() + "' >/dev/null";
    return std::system(command.c_str());
}

TEST(InitSaveTest, WritesWhatResetWritesOnlyWhereMissing) {
    GameFolder folder;
    folder.writeLines("dat/my2.dat", {"player's own"});
    ASSERT_EQ(runInitSave(folder), 0);
    // A fresh window has an empty memo, mhpQuota 0 and stage -1 when "初期化" runs.
    const std::vector<std::string> course{"", "0", "0", "99", "0", "10", "0", "-1", "0", "0", "0", "1"};
    for (int n : {1, 3, 4, 5, 6}) EXPECT_EQ(folder.lines("dat/my" + std::to_string(n) + ".dat"), course) << n;
    EXPECT_EQ(folder.lines("dat/my2.dat"), std::vector<std::string>{"player's own"});
    EXPECT_EQ(folder.lines("dat/my.dat"), std::vector<std::string>(516, "0"));
    EXPECT_FALSE(std::filesystem::exists(folder.path("投稿用1.txt")));

    folder.writeCommon(5, 1, 700);
    const std::string common = folder.read("dat/my.dat");
    ASSERT_EQ(runInitSave(folder), 0);
    EXPECT_EQ(folder.read("dat/my.dat"), common);
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path("dat")))
        entries += e.is_regular_file();
    EXPECT_EQ(entries, 7);  // no staged copies left behind
}

TEST(InitSaveTest, AnOptionIsNeverTakenForTheFolder) {
    GameFolder folder;
    const std::string program = std::string("'") + ZORBAN_INITSAVE + "'";
    const std::string inFolder = "cd '" + folder.path("").string() + "' && ";
    EXPECT_EQ(WEXITSTATUS(std::system((inFolder + program + " --help >/dev/null").c_str())), 0);
    EXPECT_EQ(WEXITSTATUS(std::system((inFolder + program + " --bogus 2>/dev/null").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(std::system((inFolder + program + " 2>/dev/null").c_str())), 2);
    EXPECT_FALSE(std::filesystem::exists(folder.path("--help")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("--bogus")));
}

}  // namespace
}  // namespace gametest
