// Whole-number window scales: the player's remembered choice, its keys, and a window shown larger.
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "QtFixture.h"
#include "base/Settings.h"
#include "tests/base/TempDir.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/ScaleChoice.h"

namespace {

using Step = ui::qt::ScaleChoice::Step;
using ui::qt::ScaleChoice;

// 40 × 40 pixels, each unlike its neighbours: any blending of neighbours shows.
base::Bitmap testPicture() {
    base::Bitmap pic(40, 40, base::colours::Black);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            pic.setPixel(x, y,
                         base::Colour{static_cast<std::uint8_t>(x * 6), static_cast<std::uint8_t>(y * 6),
                                      static_cast<std::uint8_t>((x + y) % 2 ? 255 : 0)});
    return pic;
}

// ---- the choice --------------------------------------------------------------------------------

struct StepRow {
    int key;
    bool ctrl, alt;
    Step step;
};

class ScaleKeys : public ::testing::TestWithParam<StepRow> {};

TEST_P(ScaleKeys, OnlyControlWithPlusMinusOrZero) {
    const StepRow r = GetParam();
    ui::KeyEvent e;
    e.key = r.key;
    e.ctrl = r.ctrl;
    e.alt = r.alt;
    EXPECT_EQ(ScaleChoice::stepOf(e), r.step);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScaleKeys,
    ::testing::Values(StepRow{'+', true, false, Step::Larger}, StepRow{'=', true, false, Step::Larger},
                      StepRow{'-', true, false, Step::Smaller}, StepRow{'0', true, false, Step::Automatic},
                      StepRow{'+', false, false, Step::None},  // the form's own key
                      StepRow{'-', false, false, Step::None}, StepRow{'+', true, true, Step::None},
                      StepRow{'P', true, false, Step::None}, StepRow{'1', true, false, Step::None}));

struct FitRow {
    int width, height, roomWidth, roomHeight, largest;
};

class ScaleFit : public ::testing::TestWithParam<FitRow> {};

TEST_P(ScaleFit, LargestWholeFactor) {
    const FitRow r = GetParam();
    EXPECT_EQ(ScaleChoice::largestFitting(r.width, r.height, r.roomWidth, r.roomHeight), r.largest);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScaleFit,
                         ::testing::Values(FitRow{602, 451, 1280, 1024, 2},    // the game
                                           FitRow{551, 571, 1280, 1024, 1},    // the editor is too tall
                                           FitRow{551, 571, 3840, 2160, 3},    // the editor on 4K
                                           FitRow{602, 451, 1204, 902, 2},     // exactly twice
                                           FitRow{602, 451, 1203, 902, 1},     // one pixel short
                                           FitRow{602, 451, 400, 300, 1},      // smaller than the window
                                           FitRow{602, 451, -30, -30, 1},      // no room left at all
                                           FitRow{0, 0, 1280, 1024, 1},        // no window
                                           FitRow{10, 10, 100000, 100000, 64}  // capped
                                           ));

TEST(ScaleChoice, StepsStayWithinTheScreenAndAreRemembered) {
    base::Settings settings;
    ScaleChoice choice(&settings);
    EXPECT_EQ(choice.factor(3), 1);  // automatic
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), -1);

    EXPECT_EQ(choice.take(Step::Larger, 1, 3), 2);
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 2);
    EXPECT_EQ(choice.take(Step::Larger, 2, 3), 3);
    EXPECT_EQ(choice.take(Step::Larger, 3, 3), 3);  // the screen is full
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 3);
    EXPECT_EQ(choice.take(Step::Smaller, 3, 3), 2);
    EXPECT_EQ(choice.take(Step::Smaller, 2, 3), 1);
    EXPECT_EQ(choice.take(Step::Smaller, 1, 3), 1);
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 1);
    EXPECT_EQ(choice.take(Step::Automatic, 1, 3), 1);
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 0);
    EXPECT_EQ(choice.take(Step::None, 1, 3), 1);

    // A later run on a smaller screen shows what fits and keeps the wish for a larger one.
    settings.set(ScaleChoice::kKey, 3);
    ScaleChoice later(&settings);
    EXPECT_EQ(later.factor(2), 2);
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 3);
    EXPECT_EQ(later.factor(0), 1);
}

struct StoredRow {
    int stored, shown;
};

class StoredScale : public ::testing::TestWithParam<StoredRow> {};

TEST_P(StoredScale, HandEditedValues) {
    base::Settings settings;
    settings.set(ScaleChoice::kKey, GetParam().stored);
    EXPECT_EQ(ScaleChoice(&settings).factor(4), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rows, StoredScale,
                         ::testing::Values(StoredRow{0, 1}, StoredRow{1, 1}, StoredRow{4, 4}, StoredRow{9, 4},
                                           StoredRow{-2, 1}, StoredRow{2147483647, 1}));

TEST(ScaleChoice, NothingIsWrittenUntilThePlayerChanges) {
    testutil::TempDir dir;
    const std::string path = dir.file("zorban.ini");
    base::Settings settings(path, "zorban");
    ScaleChoice choice(&settings);
    EXPECT_EQ(choice.factor(2), 1);
    EXPECT_EQ(choice.take(Step::Smaller, 1, 2), 1);
    EXPECT_EQ(choice.take(Step::Automatic, 1, 2), 1);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(choice.take(Step::Larger, 1, 2), 2);
    EXPECT_EQ(base::Settings(path, "zorban").get(ScaleChoice::kKey, 0), 2);
}

// ---- the window ----------------------------------------------------------------------------------

class QtScaleTest : public testutil::QtTest {
  protected:
    // Builds the window with the given remembered choice (nothing stored when 0), in memory only.
    QWidget* build(int stored) {
        if (stored != 0) settings.set(ScaleChoice::kKey, stored);
        platform.services().settings = &settings;
        return platform.build(w.form);
    }
    ui::qt::FormWindow& window(QWidget* top) { return dynamic_cast<ui::qt::FormWindow&>(*top); }
    void fillPicture() { w.image.setPicture(testPicture()); }

    base::Settings settings;
};

// Every pixel of big is the pixel of small at half its place: a sharp 2x2 copy, nothing blended.
::testing::AssertionResult isDoubled(const QImage& small, const QImage& big) {
    if (big.size() != small.size() * 2) return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if (big.pixel(x, y) != small.pixel(x / 2, y / 2))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " differs";
    return ::testing::AssertionSuccess();
}

TEST_F(QtScaleTest, TheRememberedScaleShowsEveryBoxFontAndPictureLarger) {
    QWidget* top = build(2);
    EXPECT_EQ(window(top).scale(), 2);
    EXPECT_EQ(top->size(), QSize(640, 400));
    for (ui::Control* c : w.controls()) {
        const ui::Rect r = c->bounds();
        EXPECT_EQ(widget(*c).geometry(), QRect(r.left * 2, r.top * 2, r.width * 2, r.height * 2))
            << c->name();
    }
    // Fonts at twice their pixel size: laid out anew, not blown up.
    EXPECT_EQ(widget(w.button).font().pixelSize(), 24);
    EXPECT_EQ(widget(w.edit).font().pixelSize(), 24);
    EXPECT_EQ(top->font().pixelSize(), 24);
    auto& list = dynamic_cast<QListWidget&>(widget(w.list));
    EXPECT_EQ(list.visualItemRect(list.item(1)).height(), 2 * w.list.itemHeight());
    // The models keep their own pixels.
    EXPECT_EQ(w.image.bounds().width, 40);
    EXPECT_EQ(w.button.font().px, 12);

    w.gauge.setColours(base::colours::White, base::colours::Black);
    w.gauge.setProgress(50);  // 25 of 50 px
    const QImage g = widget(w.gauge).grab().toImage();
    EXPECT_EQ(g.pixelColor(49, 5), QColor(Qt::white));
    EXPECT_EQ(g.pixelColor(50, 5), QColor(Qt::black));
}

TEST_F(QtScaleTest, PicturesAreRepeatedPixelForPixel) {
    QWidget* top = build(0);
    fillPicture();
    const QImage small = widget(w.image).grab().toImage();
    window(top).rescale(2);
    EXPECT_TRUE(isDoubled(small, widget(w.image).grab().toImage()));
    // Stretched over its box, and with its transparent colour left out: the same.
    w.image.setStretch(true);
    w.image.setTransparent(true);
    window(top).rescale(1);
    const QImage stretched = widget(w.image).grab().toImage();
    window(top).rescale(2);
    EXPECT_TRUE(isDoubled(stretched, widget(w.image).grab().toImage()));
}

TEST_F(QtScaleTest, BackToOneTheWindowLooksAsItDidBefore) {
    QWidget* top = build(0);
    w.label.setCaption("■ラベル");
    w.label.setBackground(base::colours::White);
    w.panel.setCaption("枠");
    w.panel.setFramed(true);
    w.gauge.setProgress(30);
    w.list.setItemIndex(1);
    fillPicture();
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    const QImage before = top->grab().toImage();
    window(top).rescale(3);
    window(top).rescale(1);
    EXPECT_EQ(top->grab().toImage(), before);
    for (ui::Control* c : w.controls()) {
        const ui::Rect r = c->bounds();
        EXPECT_EQ(widget(*c).geometry(), QRect(r.left, r.top, r.width, r.height)) << c->name();
    }
}

TEST_F(QtScaleTest, MousePositionsReachTheHandlersInModelPixels) {
    std::vector<std::string> seen;
    const auto note = [&](const char* what) {
        return [&seen, what](const ui::MouseEvent& e) {
            seen.push_back(std::string(what) + std::to_string(e.x) + "," + std::to_string(e.y));
        };
    };
    w.image.onMouseDown = note("down ");
    w.image.onMouseMove = note("move ");
    w.image.onMouseUp = note("up ");
    w.form.onMouseMove = note("form ");
    int clicks = 0;
    w.image.onClick = [&] { ++clicks; };
    QWidget* top = build(2);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    QWindow* win = top->windowHandle();
    QTest::mouseMove(win, QPoint(331, 91));  // image at (320, 80): model (5, 5) of it
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(331, 91));
    QTest::mouseMove(win, QPoint(319, 79));   // one widget pixel left of and above the image
    QTest::mouseMove(win, QPoint(399, 159));  // its last pixel
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(399, 159));
    QTest::mouseMove(win, QPoint(11, 391));
    EXPECT_EQ(seen, (std::vector<std::string>{"move 5,5", "down 5,5", "move -1,-1", "move 39,39", "up 39,39",
                                              "form 5,195"}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(QtScaleTest, ControlPlusAndMinusStepTheScaleBeforeTheFormSeesThem) {
    std::vector<int> formKeys;
    w.form.addKeyHandler([&](const ui::KeyEvent& e) {
        formKeys.push_back(e.key);
        return true;
    });
    QWidget* top = build(0);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    ui::qt::FormWindow& fw = window(top);
    ASSERT_EQ(fw.largestScale(), 2);  // the offscreen screen is 800 × 600

    QTest::keyClick(top, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(fw.scale(), 2);
    EXPECT_EQ(top->size(), QSize(640, 400));
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 2);
    QTest::keyClick(top, Qt::Key_Equal, Qt::ControlModifier);  // no room for 3
    EXPECT_EQ(fw.scale(), 2);
    const QRect area = top->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(top->frameGeometry())) << "window left the screen";

    QTest::keyClick(top, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(fw.scale(), 1);
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 1);
    QTest::keyClick(top, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(fw.scale(), 2);
    QTest::keyClick(top, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(fw.scale(), 1);
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 0);

    // Without Ctrl the keys are the form's.
    QTest::keyClick(top, Qt::Key_Plus);
    QTest::keyClick(top, Qt::Key_Minus);
    EXPECT_EQ(formKeys, (std::vector<int>{'+', '-'}));
    EXPECT_EQ(fw.scale(), 1);
}

TEST_F(QtScaleTest, ANoteTellsTheNewSizeOverTheNoteAreaForAboutASecond) {
    w.form.noteArea = {160, 40, 40, 40};  // the image
    QWidget* top = build(0);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    ui::qt::FormWindow& fw = window(top);
    EXPECT_EQ(fw.shownNote(), nullptr);
    QTest::keyClick(top, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(w.form.lastNote(), "×2");
    QWidget* note = fw.shownNote();
    ASSERT_NE(note, nullptr);
    // Inside the top-right corner of the area, at the new size, and the mouse goes to what lies under it.
    EXPECT_TRUE(QRect(320, 80, 80, 80).contains(note->geometry())) << note->geometry().x();
    EXPECT_TRUE(note->testAttribute(Qt::WA_TransparentForMouseEvents));
    spin(ui::qt::FormWindow::kNoteMs / 2);
    EXPECT_NE(fw.shownNote(), nullptr);
    spin(ui::qt::FormWindow::kNoteMs);
    EXPECT_EQ(fw.shownNote(), nullptr);

    // The form's own notes (the volume keys') show the same way.
    w.form.showNote("音量 70%");
    EXPECT_NE(fw.shownNote(), nullptr);
    QTest::keyClick(top, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(w.form.lastNote(), "×1");
}

TEST_F(QtScaleTest, TheScaleKeysAlsoWorkWhileAFieldListOrButtonHasTheFocus) {
    QWidget* top = build(0);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    auto& field = dynamic_cast<QLineEdit&>(widget(w.edit));
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window(top).scale(), 2);
    EXPECT_EQ(field.text(), QString());
    QWidget& list = widget(w.list);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window(top).scale(), 1);
    QWidget& button = widget(w.button);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window(top).scale(), 2);
}

TEST_F(QtScaleTest, AGrownWindowIsKeptInsideTheScreen) {
    QWidget* top = build(0);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    const QRect area = top->screen()->availableGeometry();
    top->move(area.right() - 330, area.bottom() - 210);  // near the lower right corner
    window(top).rescale(2);
    EXPECT_TRUE(area.contains(top->frameGeometry()))
        << "frame at " << top->frameGeometry().x() << "," << top->frameGeometry().y();
}

TEST_F(QtScaleTest, AChoiceTooLargeForTheScreenShowsTheLargestThatFits) {
    QWidget* top = build(5);
    EXPECT_EQ(window(top).scale(), 2);
    EXPECT_EQ(settings.get(ScaleChoice::kKey, -1), 5);
}

// A screen at 150 %: the device pixel ratio is rounded to 2, and pictures stay sharp at it.
TEST(QtHighDensity, FractionalRatiosAreRoundedAndPicturesStaySharp) {
    testutil::TempDir dir;
    const std::string config = dir.file("screens.json");
    {
        std::ofstream out(config);
        out << R"({"screens": [{"name": "dense", "x": 0, "y": 0, "width": 1600, "height": 1200,)"
            << R"( "logicalDpi": 144, "logicalBaseDpi": 96}]})";
    }
    const char* before = std::getenv("QT_QPA_PLATFORM");
    const std::string old = before ? before : "";
    const std::string platformSpec = "offscreen:configfile=" + config;
    setenv("QT_QPA_PLATFORM", platformSpec.c_str(), 1);
    {
        int argc = 1;
        char arg0[16] = "ui_qt_tests";
        char* argv[2] = {arg0, nullptr};
        testutil::AllKinds w;
        ui::qt::QtPlatform platform{argc, argv};
        QWidget* top = platform.build(w.form);
        EXPECT_EQ(top->devicePixelRatioF(), 2.0);
        EXPECT_EQ(top->size(), QSize(320, 200));  // the window's own size, in the screen's logical pixels
        const base::Bitmap pic = testPicture();
        w.image.setPicture(pic);
        auto* view = dynamic_cast<ui::qt::ControlView*>(platform.widgetOf(w.image));
        ASSERT_NE(view, nullptr);
        const QImage shot = view->widget().grab().toImage();
        QImage small(40, 40, QImage::Format_RGB32);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) small.setPixel(x, y, pic.pixel(x, y));
        EXPECT_TRUE(isDoubled(small, shot.convertToFormat(QImage::Format_RGB32)));
    }
    if (before)
        setenv("QT_QPA_PLATFORM", old.c_str(), 1);
    else
        unsetenv("QT_QPA_PLATFORM");
}

}  // namespace
