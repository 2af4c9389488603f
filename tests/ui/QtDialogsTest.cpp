// Dialog filters and the scripted answers of end-to-end runs.
#include <gtest/gtest.h>

#include "TempDir.h"
#include "ui/qt/DialogScript.h"
#include "ui/qt/FileFilter.h"

namespace {

struct FilterRow {
    const char* filter;
    QStringList expected;
};

class NameFilters : public ::testing::TestWithParam<FilterRow> {};

TEST_P(NameFilters, PairsBecomeQtFilters) {
    EXPECT_EQ(ui::qt::nameFilters(GetParam().filter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameFilters,
    ::testing::Values(FilterRow{"ゾルバンブロックデータ|*.usr|オフィシャルデータ|map*-*.dat",
                                {QStringLiteral("ゾルバンブロックデータ (*.usr)"),
                                 QStringLiteral("オフィシャルデータ (map*-*.dat)")}},
                      FilterRow{
                          "pictures|*.bmp;*.dib|all files|*.*",
                          {QStringLiteral("pictures (*.bmp *.dib)"), QStringLiteral("all files (*.*)")}},
                      FilterRow{"odd one out|*.x|dangling", {QStringLiteral("odd one out (*.x)")}},
                      FilterRow{"no pattern||x|*.x", {QStringLiteral("x (*.x)")}}, FilterRow{"", {}}));

TEST(DialogScript, AnswersInOrderAndLogsEveryDialog) {
    testutil::TempDir dir;
    const std::string script = dir.file("dialogs");
    testutil::writeAll(script, "# answers\nopen /tmp/a.usr\n\nyes\nsave\n");
    ui::qt::DialogScript d(script);
    const ui::FileDialogRequest req{"ゾルバンブロックデータ|*.usr", "/game/dat", "old.usr"};

    EXPECT_FALSE(d.saveFile(req).has_value());  // next line is an open: cancelled, line kept
    EXPECT_EQ(d.openFile(req), std::optional<std::string>("/tmp/a.usr"));
    EXPECT_TRUE(d.confirm("よろしいですかすか？"));
    EXPECT_FALSE(d.saveFile(req).has_value());  // "save" alone cancels
    EXPECT_FALSE(d.confirm("again?"));          // nothing left: No
    d.error("ﾌｧｲﾙが見つかりません.");
    // Lines appended while running are used.
    testutil::writeAll(script, testutil::readAll(script) + "save /tmp/b c.usr\n");
    EXPECT_EQ(d.saveFile(req), std::optional<std::string>("/tmp/b c.usr"));

    EXPECT_EQ(testutil::readAll(script + ".log"),
              "save\tゾルバンブロックデータ|*.usr\t/game/dat\told.usr\tcancel\n"
              "open\tゾルバンブロックデータ|*.usr\t/game/dat\told.usr\t/tmp/a.usr\n"
              "confirm\tよろしいですかすか？\tyes\n"
              "save\tゾルバンブロックデータ|*.usr\t/game/dat\told.usr\tcancel\n"
              "confirm\tagain?\tno\n"
              "error\tﾌｧｲﾙが見つかりません.\n"
              "save\tゾルバンブロックデータ|*.usr\t/game/dat\told.usr\t/tmp/b c.usr\n");
}

}  // namespace
