// Dialog filters and the scripted answers of end-to-end runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "QtFixture.h"
#include "app/DialogScript.h"
#include "tests/base/TempDir.h"
#include "ui/qt/FileFilter.h"
#include "ui/qt/QtDialogs.h"

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

struct ExtensionRow {
    const char* path;
    const char* nameFilter;
    const char* expected;
};

class FilterExtension : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(FilterExtension, OnlyANameWithoutExtensionGetsThePlainFiltersOne) {
    const ExtensionRow r = GetParam();
    EXPECT_EQ(ui::qt::withFilterExtension(QString::fromUtf8(r.path), QString::fromUtf8(r.nameFilter)),
              QString::fromUtf8(r.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FilterExtension,
    ::testing::Values(ExtensionRow{"/d/mystage", "ゾルバンブロックデータ (*.usr)", "/d/mystage.usr"},
                      ExtensionRow{"/d.x/ステージ", "ゾルバンブロックデータ (*.usr)", "/d.x/ステージ.usr"},
                      ExtensionRow{"/d/mystage.usr", "ゾルバンブロックデータ (*.usr)", "/d/mystage.usr"},
                      ExtensionRow{"/d/mystage.txt", "ゾルバンブロックデータ (*.usr)", "/d/mystage.txt"},
                      ExtensionRow{"/d/mystage.", "ゾルバンブロックデータ (*.usr)", "/d/mystage."},
                      ExtensionRow{"/d/mystage", "ALL FILES (*.*)", "/d/mystage"},
                      ExtensionRow{"/d/mystage", "all (*)", "/d/mystage"},
                      ExtensionRow{"/d/map1-1", "オフィシャルデータ (map*-*.dat)", "/d/map1-1"},
                      ExtensionRow{"/d/mystage", "pictures (*.bmp *.dib)", "/d/mystage.bmp"},
                      ExtensionRow{"/d/mystage", "", "/d/mystage"}));

// The real save dialog, answered by typing a name with one of the editor's filters chosen.
class SaveDialog : public testutil::QtTest {
  protected:
    static constexpr const char* kFilter =
        "ゾルバンブロックデータ|*.usr|オフィシャルデータ|map*-*.dat|オフィシャルデータ2|map*.dat|ALL "
        "FILES|*.*";

    std::optional<std::string> save(const QString& typed, int filterIndex) {
        QTimer answer;
        answer.setInterval(10);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            answer.stop();
            d->selectNameFilter(d->nameFilters().at(filterIndex));
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) {
                ADD_FAILURE() << "no name field";
                return static_cast<QDialog*>(d)->reject();
            }
            name->setText(typed);                // typed into the name field
            static_cast<QDialog*>(d)->accept();  // as the dialog's Save button does
        });
        answer.start();
        ui::qt::QtDialogs real;
        return real.saveFile({kFilter, dir.path().string(), ""});
    }
    std::string in(const std::string& name) const { return dir.file(name); }

    testutil::TempDir dir;
};

TEST_F(SaveDialog, TheUsrFilterAddsItsExtensionToABareName) {
    EXPECT_EQ(save(QStringLiteral("mystage"), 0), in("mystage.usr"));
    EXPECT_EQ(save(QStringLiteral("mystage.usr"), 0), in("mystage.usr"));
}

TEST_F(SaveDialog, ANameWithAnExtensionOrAnotherFilterIsKeptAsTyped) {
    EXPECT_EQ(save(QStringLiteral("mystage.txt"), 0), in("mystage.txt"));
    EXPECT_EQ(save(QStringLiteral("mystage"), 3), in("mystage"));
    EXPECT_EQ(save(QStringLiteral("map1-1"), 1), in("map1-1"));
}

// The program ends before anybody answers (a signal at start-up): the box on screen closes and every later
// dialog answers at once as cancelled.
class Dismissed : public testutil::QtTest {};

TEST_F(Dismissed, TheDialogOnScreenClosesAndLaterOnesAnswerAtOnce) {
    ui::qt::QtDialogs real;
    QTimer dismiss;
    dismiss.setInterval(10);
    QObject::connect(&dismiss, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget()) real.dismissAll();
    });
    QTimer watchdog;  // a box that stayed would hold the test for ever
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the box stayed";
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    dismiss.start();
    watchdog.start(5000);
    EXPECT_EQ(real.choose("?", {"a", "b", "c"}), 2);
    dismiss.stop();
    EXPECT_FALSE(real.confirm("?"));
    real.error("no box");
    EXPECT_EQ(real.openFile({"all|*", "/", ""}), std::nullopt);
    EXPECT_TRUE(watchdog.isActive());
}

TEST(DialogScript, AnswersInOrderAndLogsEveryDialog) {
    testutil::TempDir dir;
    const std::string script = dir.file("dialogs");
    testutil::writeAll(script, "# answers\nopen /tmp/a.usr\n\nyes\nsave\n");
    app::DialogScript d(script);
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
