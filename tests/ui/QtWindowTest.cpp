// Building a window from a form and keeping its widgets in step with the models.
#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>

#include "QtFixture.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/GaugeView.h"
#include "ui/qt/ImageView.h"
#include "ui/qt/LabelView.h"
#include "ui/qt/QtText.h"

namespace {

using testutil::QtTest;

bool hasColour(const QImage& img, QColor c, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixelColor(x, y) == c) return true;
    return false;
}

TEST_F(QtTest, BuildsOneWidgetPerControlInsideItsParent) {
    std::vector<std::string> order;
    w.form.onCreate = [&] { order.push_back("create"); };
    QWidget* top = platform.build(w.form);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(order, std::vector<std::string>{"create"});
    EXPECT_EQ(top->size(), QSize(320, 200));
    EXPECT_EQ(top->windowTitle(), QStringLiteral("test window"));
    for (ui::Control* c : w.controls()) {
        QWidget& cw = widget(*c);
        const ui::Rect r = c->bounds();
        EXPECT_EQ(cw.geometry(), QRect(r.left, r.top, r.width, r.height)) << c->name();
        EXPECT_EQ(cw.isHidden(), !c->visible()) << c->name();
    }
    EXPECT_EQ(widget(w.inner).parentWidget(), &widget(w.panel));
    EXPECT_NE(dynamic_cast<QAbstractButton*>(&widget(w.button)), nullptr);
    EXPECT_EQ(dynamic_cast<QListWidget&>(widget(w.list)).count(), 3);
    EXPECT_NE(dynamic_cast<QLineEdit*>(&widget(w.edit)), nullptr);
    // Later controls lie over earlier ones.
    EXPECT_EQ(top->children().indexOf(&widget(w.label)) < top->children().indexOf(&widget(w.button)), true);
}

TEST_F(QtTest, LabelChangesReachTheWidget) {
    platform.build(w.form);
    QWidget& lw = widget(w.label);
    w.label.setBackground(base::colours::White);
    ui::Font f;
    f.px = 16;
    f.bold = true;
    f.colour = base::colours::Red;
    w.label.setFont(f);
    w.label.setCaption("■■");
    QImage img = lw.grab().toImage();
    EXPECT_TRUE(hasColour(img, Qt::white, img.rect()));
    EXPECT_TRUE(hasColour(img, QColor(255, 0, 0), QRect(0, 0, 40, 18)));
    EXPECT_FALSE(hasColour(img, QColor(255, 0, 0), QRect(0, 20, 100, 20)));  // one line only

    // A lone carriage return breaks the line.
    w.label.setCaption("■\r■");
    img = lw.grab().toImage();
    EXPECT_TRUE(hasColour(img, QColor(255, 0, 0), QRect(0, 20, 20, 18)));

    w.label.setFontColour(base::colours::Blue);
    img = lw.grab().toImage();
    EXPECT_TRUE(hasColour(img, QColor(0, 0, 255), img.rect()));
    EXPECT_FALSE(hasColour(img, QColor(255, 0, 0), img.rect()));

    // Transparent: the form's silver shows through, not the label's white.
    w.label.setTransparent(true);
    w.form.background = base::colours::Silver;
    img = lw.grab().toImage();
    EXPECT_FALSE(hasColour(img, Qt::white, img.rect()));
}

TEST_F(QtTest, OnlyTheChangedControlIsUpdated) {
    platform.build(w.form);
    std::vector<int> before;
    for (ui::Control* c : w.controls()) before.push_back(view(*c).applyCount());
    w.label.setCaption("new");
    w.label.setCaption("new");  // same text: no change
    w.gauge.setProgress(0);     // unchanged
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(view(*w.controls()[i]).applyCount(), before[i] + (w.controls()[i] == &w.label ? 1 : 0))
            << w.controls()[i]->name();
}

TEST_F(QtTest, ManyCaptionsBetweenTwoPaintsAreLaidOutOnce) {
    platform.build(w.form);
    auto& label = dynamic_cast<ui::qt::LabelView&>(view(w.label));
    const std::string own = w.label.caption();
    const QImage first = widget(w.label).grab().toImage();
    const int before = label.layoutCount();
    // A busy log: a caption that grows a thousand times before the window paints again.
    std::string log;
    for (int i = 0; i < 1000; ++i) w.label.setCaption(log += " [Time -5!]");
    EXPECT_EQ(label.layoutCount(), before);
    widget(w.label).grab();
    EXPECT_EQ(label.layoutCount(), before + 1);
    // Back to the first caption: drawn exactly as before.
    w.label.setCaption(own);
    EXPECT_EQ(widget(w.label).grab().toImage(), first);
    EXPECT_EQ(label.layoutCount(), before + 2);
    // Shown again unchanged (a field repainted beneath it): its pixels are copied, not drawn.
    const int drawn = label.drawCount();
    EXPECT_EQ(widget(w.label).grab().toImage(), first);
    EXPECT_EQ(label.drawCount(), drawn);
}

TEST_F(QtTest, PanelsMoveShowAndHideWithTheirChildren) {
    platform.build(w.form);
    w.panel.hide();
    EXPECT_TRUE(widget(w.panel).isHidden());
    w.panel.moveTo(0, 0);
    w.panel.show();
    EXPECT_EQ(widget(w.panel).geometry(), QRect(0, 0, 150, 90));
    EXPECT_FALSE(widget(w.panel).isHidden());
    EXPECT_EQ(widget(w.inner).mapTo(&widget(w.panel), QPoint(0, 0)), QPoint(10, 10));
}

TEST_F(QtTest, GaugeAndImagePaintTheirColours) {
    platform.build(w.form);
    w.gauge.setColours({255, 128, 255}, base::colours::Purple);
    w.gauge.setProgress(50);
    QImage g = widget(w.gauge).grab().toImage();
    EXPECT_EQ(g.pixelColor(2, 5), QColor(255, 128, 255));
    EXPECT_EQ(g.pixelColor(45, 5), QColor(128, 0, 128));

    base::Bitmap pic(2, 2, base::colours::Lime);
    pic.setPixel(0, 0, base::colours::Red);
    w.image.setPicture(pic);
    w.image.setStretch(true);
    QImage i = widget(w.image).grab().toImage();
    EXPECT_EQ(i.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(i.pixelColor(35, 35), QColor(0, 255, 0));
    // Transparent: the lower-left colour (lime) is left out.
    w.image.setTransparent(true);
    i = widget(w.image).grab().toImage();
    EXPECT_EQ(i.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_NE(i.pixelColor(35, 35), QColor(0, 255, 0));
}

// Drawing on a picture reaches the window as setting one does: a transparent image (the toy shop's) keeps a
// masked copy that must be made again, and the widget must be told to repaint.
TEST_F(QtTest, DrawingOnAnImageShowsAtTheNextPaint) {
    platform.build(w.form);
    w.image.setStretch(true);
    w.image.setTransparent(true);
    base::Bitmap pic(4, 4, base::colours::Lime);
    pic.setPixel(1, 1, base::colours::Red);
    w.image.setPicture(pic);
    ASSERT_TRUE(hasColour(widget(w.image).grab().toImage(), QColor(255, 0, 0), QRect(0, 0, 40, 40)));
    const int applied = view(w.image).applyCount();
    w.image.penColour = base::colours::Blue;
    w.image.brushColour = base::colours::Blue;
    w.image.rectangle(0, 0, 4, 3);  // the red pixel and the rows above the lime key colour
    EXPECT_GT(view(w.image).applyCount(), applied);
    const QImage after = widget(w.image).grab().toImage();
    EXPECT_FALSE(hasColour(after, QColor(255, 0, 0), after.rect()));
    EXPECT_TRUE(hasColour(after, QColor(0, 0, 255), after.rect()));
}

// A list with a background of its own is drawn on it in its font's colour; without, in the style's colours.
TEST_F(QtTest, ListBoxTakesItsOwnColoursOnlyWhenGiven) {
    platform.build(w.form);
    const QColor styleBase = widget(w.list).palette().color(QPalette::Base);
    ASSERT_NE(styleBase, QColor(128, 128, 128));
    w.list.setFont({ui::kGothicP, 13, true, false, base::colours::White});
    EXPECT_EQ(widget(w.list).palette().color(QPalette::Base), styleBase) << "a font alone keeps the style's";
    w.list.setBackground(base::colours::Grey);
    EXPECT_EQ(widget(w.list).palette().color(QPalette::Base), QColor(128, 128, 128));
    EXPECT_EQ(widget(w.list).palette().color(QPalette::Text), QColor(255, 255, 255));
    const QImage shot = widget(w.list).grab().toImage();
    EXPECT_EQ(shot.pixelColor(50, 90), QColor(128, 128, 128)) << "below the three items";
}

struct GaugeRow {
    int width, lo, hi, progress, filled;
};

class GaugeFill : public ::testing::TestWithParam<GaugeRow> {};

TEST_P(GaugeFill, Share) {
    const auto r = GetParam();
    EXPECT_EQ(ui::qt::GaugeView::filledWidth(r.width, r.lo, r.hi, r.progress), r.filled);
}

INSTANTIATE_TEST_SUITE_P(Rows, GaugeFill,
                         ::testing::Values(GaugeRow{169, 0, 99, 0, 0}, GaugeRow{169, 0, 99, 99, 169},
                                           GaugeRow{169, 0, 99, 50, 85}, GaugeRow{169, 0, 99, 150, 169},
                                           GaugeRow{169, 0, 99, -5, 0}, GaugeRow{50, 10, 10, 10, 0},
                                           GaugeRow{50, 0, 2147483647, 2147483647, 50}));

TEST(QtText, CarriageReturnsBreakLines) {
    EXPECT_EQ(ui::qt::displayText("a\rb\r\nc\nd"), QStringLiteral("a\u2028b\u2028c\u2028d"));
}

TEST_F(QtTest, CloseAsksThenClosesAndDestroys) {
    std::vector<std::string> order;
    bool mayClose = false;
    w.form.onCloseQuery = [&] {
        order.push_back("query");
        return mayClose;
    };
    w.form.onClose = [&] {
        order.push_back("close");
        return true;
    };
    w.form.onDestroy = [&] { order.push_back("destroy"); };
    platform.build(w.form)->show();
    platform.close();
    EXPECT_EQ(order, std::vector<std::string>{"query"});
    EXPECT_NE(platform.widgetOf(w.label), nullptr);
    mayClose = true;
    platform.close();
    EXPECT_EQ(order, (std::vector<std::string>{"query", "query", "close", "destroy"}));
    EXPECT_EQ(platform.widgetOf(w.label), nullptr);
    w.label.setCaption("after the window");  // no observer left
}

TEST_F(QtTest, HintsAreTooltipsAndAButtonsOwnTooltipWins) {
    platform.build(w.form);
    w.label.setHint("読込 (Ctrl+O)");
    w.button.setHint("保存 (Ctrl+S)");
    EXPECT_EQ(widget(w.label).toolTip().toStdString(), "読込 (Ctrl+O)");
    EXPECT_EQ(widget(w.button).toolTip().toStdString(), "保存 (Ctrl+S)");
    w.button.setTooltip("own");
    EXPECT_EQ(widget(w.button).toolTip().toStdString(), "own");
}

}  // namespace

namespace {

// A frame repaints the tiles whose pixels changed, scaled by repeating each pixel; an unchanged picture
// repaints nothing.
TEST_F(QtTest, APictureRepaintsOnlyItsChangedTilesWholePixelsLarger) {
    ui::Image field{"field", {0, 0, 200, 160}};
    w.form.add(field);
    QWidget* top = platform.build(w.form);
    top->show();
    field.brushColour = field.penColour = base::colours::Black;
    field.rectangle(0, 0, 200, 160);
    spin(100);
    auto& view = dynamic_cast<ui::qt::ImageView&>(this->view(field));
    const qint64 before = view.paintedPixels();
    field.invalidate();  // drawn again alike
    spin(50);
    EXPECT_EQ(view.paintedPixels(), before);
    field.brushColour = base::colours::Red;
    field.rectangle(40, 20, 80, 40);  // one cell: tiles x 32..80, y 16..48
    spin(50);
    EXPECT_EQ(view.paintedPixels() - before, 48 * 32);
    // Drawn on more often than the picture keeps track of: all of it is compared, and what changed repaints.
    for (int i = 0; i < 70; ++i) field.rectangle(40, 20, 80, 40);
    field.brushColour = base::colours::Blue;
    field.rectangle(120, 100, 160, 120);
    spin(50);
    EXPECT_EQ(view.paintedPixels() - before, 2 * 48 * 32);
    // Three times larger: every pixel three by three, the cell's edge on the tile's.
    dynamic_cast<ui::qt::FormWindow*>(top)->rescale(3);
    spin(100);
    const QImage shot = widget(field).grab().toImage();
    EXPECT_EQ(shot.pixelColor(3 * 41, 3 * 21), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(3 * 41 - 1, 3 * 21), QColor(0, 0, 0));  // the cell's outline, pen black
    EXPECT_EQ(shot.pixelColor(3 * 40 - 1, 3 * 21), QColor(0, 0, 0));
    field.setObserver(nullptr);
    platform.close();
}

}  // namespace
