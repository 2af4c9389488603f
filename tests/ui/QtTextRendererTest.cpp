// Canvas text with the real font engine: opaque box, ink colour, clipping and the run cache.
#include <gtest/gtest.h>

#include "ui/core/Image.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtTextRenderer.h"

namespace {

class QtTextRendererTest : public ::testing::Test {
  protected:
    int argc = 1;
    char arg0[16] = "ui_qt_tests";
    char* argv[2] = {arg0, nullptr};
    ui::qt::QtPlatform platform{argc, argv};  // the font engine needs the application
    ui::qt::QtTextRenderer renderer;

    static int count(const base::Bitmap& b, base::Colour c) {
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) n += b.colourAt(x, y) == c;
        return n;
    }
};

TEST_F(QtTextRendererTest, DrawsInkOnAnOpaqueBoxAtTheGivenCorner) {
    base::Bitmap b(60, 40, base::colours::Black);
    renderer.draw(b, 10, 5, "■", {12, true, base::colours::Red, base::colours::White});
    EXPECT_GT(count(b, base::colours::Red), 40);  // a 16-pixel square, mostly solid
    EXPECT_GT(count(b, base::colours::White), 0);
    EXPECT_EQ(b.colourAt(9, 10), base::colours::Black);  // nothing left of the corner
    EXPECT_EQ(b.colourAt(20, 4), base::colours::Black);  // nor above it
    EXPECT_EQ(b.colourAt(10, 5), base::colours::White);  // the box starts at the corner
}

TEST_F(QtTextRendererTest, LargerPointSizesGiveLargerRuns) {
    base::Bitmap small(200, 60, base::colours::Black), large(200, 60, base::colours::Black);
    renderer.draw(small, 0, 0, "EX+", {9, false, base::colours::White, base::colours::Blue});
    renderer.draw(large, 0, 0, "EX+", {20, false, base::colours::White, base::colours::Blue});
    EXPECT_LT(count(small, base::colours::Blue), count(large, base::colours::Blue));
}

TEST_F(QtTextRendererTest, RunsAreCachedByEverythingThatDecidesTheirPixels) {
    base::Bitmap b(100, 30);
    const ui::TextStyle s{12, false, base::colours::Black, base::colours::White};
    renderer.draw(b, 0, 0, "12", s);
    renderer.draw(b, 40, 0, "12", s);
    EXPECT_EQ(renderer.cachedRuns(), 1u);
    renderer.draw(b, 0, 0, "12", {12, true, base::colours::Black, base::colours::White});
    renderer.draw(b, 0, 0, "12", {12, false, base::colours::Red, base::colours::White});
    renderer.draw(b, 0, 0, "12", {12, false, base::colours::Black, base::colours::Lime});
    renderer.draw(b, 0, 0, "12", {13, false, base::colours::Black, base::colours::White});
    renderer.draw(b, 0, 0, "21", s);
    EXPECT_EQ(renderer.cachedRuns(), 6u);
}

TEST_F(QtTextRendererTest, ClipsAtEveryEdge) {
    base::Bitmap b(20, 10, base::colours::Black);
    for (auto [x, y] : {std::pair{-30, 0}, {-5, -5}, {15, 5}, {19, 9}, {100, 100}, {-1000, -1000}})
        renderer.draw(b, x, y, "ＡＢＣ", {12, true, base::colours::Yellow, base::colours::Navy});
    renderer.draw(b, 0, 0, "", {12, true, base::colours::Yellow, base::colours::Navy});
    EXPECT_GT(count(b, base::colours::Navy) + count(b, base::colours::Yellow), 0);
}

TEST_F(QtTextRendererTest, ThePlatformInstallsItForEveryCanvas) {
    ui::Image img("main_box", {0, 0, 100, 40});
    img.brushColour = base::colours::Black;
    img.fontColour = base::colours::White;
    img.fontSize = 12;
    img.textOut(4, 4, "●");
    // The headless stand-in paints a flat bar; a real glyph has a round outline with softer edges.
    const base::Bitmap& s = img.surface();
    EXPECT_EQ(s.colourAt(4, 4), base::colours::Black);
    EXPECT_GT(count(s, base::colours::White), 20);
}

}  // namespace
