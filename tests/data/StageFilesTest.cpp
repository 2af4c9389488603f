// The official stage files: layout, codes, course character and that every block kind is used.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "base/Cp932.h"
#include "engine/BlockGrid.h"
#include "engine/StageFile.h"
#include "tests/data/GameFolder.h"

namespace {

using datatest::kCourseStageCounts;

struct LoadedStage {
    int course = 0, index = 0;
    engine::BlockGrid grid;
    std::string title, author;
};

std::string stagePath(int course, int index) {
    return datatest::kDatDir + "/map" + std::to_string(course) + "-" + std::to_string(index) + ".dat";
}

const std::vector<LoadedStage>& allStages() {
    static const std::vector<LoadedStage> stages = [] {
        std::vector<LoadedStage> out;
        for (int course = 1; course <= 6; ++course)
            for (int index = 0; index < kCourseStageCounts[course]; ++index) {
                LoadedStage s{course, index, {}, {}, {}};
                engine::loadStageFile(stagePath(course, index), s.grid, s.title, s.author);
                out.push_back(std::move(s));
            }
        return out;
    }();
    return stages;
}

bool inField(int col, int row) {
    return col >= 1 && col <= engine::kFieldCols && row >= 1 && row <= engine::kFieldRows;
}

TEST(StageFiles, EveryFileHasExactly10002CrLfLinesOfPlainNumbersThenTitleAndAuthor) {
    for (int course = 1; course <= 6; ++course)
        for (int index = 0; index < kCourseStageCounts[course]; ++index) {
            SCOPED_TRACE(stagePath(course, index));
            bool ok = false;
            const auto lines = datatest::crlfLines(datatest::readBytes(stagePath(course, index)), ok);
            EXPECT_TRUE(ok);
            ASSERT_EQ(lines.size(), 10002u);
            for (int k = 0; k < 10000; ++k) {
                const auto& l = lines[k];
                const bool plain = !l.empty() && l.find_first_not_of("0123456789") == std::string::npos &&
                                   (l == "0" || l[0] != '0');
                ASSERT_TRUE(plain) << "line " << k + 1 << ": '" << l << "'";
            }
        }
}

TEST(StageFiles, NoFileBeyondTheLastStageOfACourse) {
    for (int course = 1; course <= 6; ++course)
        EXPECT_FALSE(std::filesystem::exists(stagePath(course, kCourseStageCounts[course]))) << course;
}

TEST(StageFiles, FieldHoldsOnlyPlaceableCodesAndBarRowAndMarginsAreEmpty) {
    for (const auto& s : allStages()) {
        SCOPED_TRACE(stagePath(s.course, s.index));
        for (int col = 0; col < engine::kGridSize; ++col)
            for (int row = 0; row < engine::kGridSize; ++row) {
                const int v = s.grid.at(col, row);
                if (!inField(col, row) || row == engine::kBarRow) {
                    ASSERT_EQ(v, 0) << "cell " << col << "," << row;
                    continue;
                }
                ASSERT_GE(v, 0);
                ASSERT_LT(v, engine::kBlockCodeCount);
                ASSERT_NE(v, engine::Bar) << "cell " << col << "," << row;
            }
    }
}

TEST(StageFiles, EveryStageCanBeClearedInPrincipleAndStartsWithRoomForTheBall) {
    for (const auto& s : allStages()) {
        SCOPED_TRACE(stagePath(s.course, s.index));
        int counted = 0;
        for (int col = 1; col <= 10; ++col)
            for (int row = 1; row <= 20; ++row) {
                const int v = s.grid.at(col, row);
                if (v != engine::Empty && v != engine::Wall && v != engine::Deadly) ++counted;
                // Counted blocks stay above the bar: the ball is never sent below it on purpose.
                if (row >= 17) {
                    EXPECT_TRUE(v == engine::Empty || v == engine::Wall || v == engine::Deadly);
                }
            }
        EXPECT_GT(counted, 0);
        // The serve: the ball rises from row 17 and must not start on or next to a deadly cell.
        for (int col = 1; col <= 10; ++col) EXPECT_NE(s.grid.at(col, 16), engine::Deadly);
    }
}

TEST(StageFiles, TitlesAndAuthorsFitTheEditorAndCodePage932) {
    constexpr std::size_t kTitleLimit = 30, kAuthorLimit = 40;  // the editor's typing limits
    for (const auto& s : allStages()) {
        SCOPED_TRACE(stagePath(s.course, s.index));
        EXPECT_FALSE(s.title.empty());
        EXPECT_FALSE(s.author.empty());
        EXPECT_TRUE(base::isCp932(s.title));
        EXPECT_LE(base::cp932Length(s.title), kTitleLimit);
        EXPECT_LE(base::cp932Length(s.author), kAuthorLimit);
    }
}

TEST(StageFiles, EveryBlockKindAppearsSomewhere) {
    std::set<int> used;
    for (const auto& s : allStages())
        for (int col = 1; col <= 10; ++col)
            for (int row = 1; row <= 20; ++row) used.insert(s.grid.at(col, row));
    for (int code = 1; code < engine::kBlockCodeCount; ++code)
        if (code != engine::Bar) {
            EXPECT_TRUE(used.count(code)) << "code " << code << " is never used";
        }
}

TEST(StageFiles, InvisibleBlocksAppearInTheSoreliCourseOnly) {
    std::set<int> coursesWithInvisible;
    for (const auto& s : allStages())
        for (int col = 1; col <= 10; ++col)
            for (int row = 1; row <= 20; ++row)
                if (s.grid.at(col, row) == engine::Invisible) coursesWithInvisible.insert(s.course);
    EXPECT_EQ(coursesWithInvisible, std::set<int>{5});
}

TEST(StageFiles, AuthorsMatchTheCourseHints) {
    const std::map<int, std::string> soleAuthor{
        {1, "ぬもろ"}, {3, "ペルトラ！！！"}, {5, "Ｄｊ ＴＯＲＫＡ"}, {6, "ヴェロリス"}};
    std::set<std::string> bonusAuthors;
    for (const auto& s : allStages()) {
        if (const auto it = soleAuthor.find(s.course); it != soleAuthor.end()) {
            EXPECT_EQ(s.author, it->second) << stagePath(s.course, s.index);
        }
        if (s.course == 4) bonusAuthors.insert(s.author);
    }
    EXPECT_EQ(bonusAuthors.size(), static_cast<std::size_t>(kCourseStageCounts[4]))
        << "one player per bonus stage";
}

}  // namespace
