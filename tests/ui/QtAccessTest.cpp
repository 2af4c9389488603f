// Without a mouse: Tab, the arrows and Enter among the controls the player can see, the focus mark, and
// what a screen reader is offered (names, roles, values; nothing hidden, covered or outside the window).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>

#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ControlView.h"
#include "ui/qt/QtPlatform.h"

namespace {

struct Panels {
    ui::Form form{"Form1", 320, 200};
    ui::Button first{"first", {10, 10, 80, 24}};
    ui::Button second{"second", {100, 10, 80, 24}};
    ui::Button under{"under", {10, 100, 80, 24}};      // under the cover panel
    ui::Button outside{"outside", {10, 220, 80, 24}};  // below the client area
    ui::Panel cover{"cover", {0, 90, 200, 60}};
    ui::Label score{"score", {210, 10, 100, 20}};
    ui::Label empty{"empty", {210, 40, 100, 20}};
    ui::Label hidden{"hidden", {210, 70, 100, 20}, false};
    ui::Gauge hp{"hp", {210, 100, 100, 10}};
    ui::Edit field{"field", {210, 120, 100, 22}};
    ui::Image picture{"picture", {210, 150, 40, 40}};

    Panels() {
        form.caption = "keys";
        first.setCaption("はじめ");
        second.setCaption("つぎ");
        under.setCaption("下");
        outside.setCaption("外");
        cover.setCaption("カバー");
        score.setCaption("123\r点");
        hidden.setCaption("見えない");
        hp.setRange(0, 99);
        hp.setProgress(7);
        hp.setAccessibleName("HP");
        field.setLabelledBy(&score);
        picture.setAccessibleName("絵");
        picture.setAccessibleDescription("残りブロック 3");
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 &first, &second, &under, &outside, &cover, &score, &empty, &hidden, &hp, &field, &picture})
            form.add(*c);
    }
};

class AccessTest : public ::testing::Test {
  protected:
    QWidget& widget(const ui::Control& c) {
        return dynamic_cast<ui::qt::ControlView&>(*platform.widgetOf(c)).widget();
    }
    QWidget* shown() {
        QWidget* top = platform.build(w.form);
        top->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(top));
        return top;
    }
    // Whether the game's pink of the focus mark lies on the button's top edge.
    bool marked(const ui::Control& c) {
        const QImage face = widget(c).grab().toImage();
        for (int x = 0; x < face.width(); ++x)
            if (face.pixelColor(x, 0) == QColor(255, 0, 128)) return true;
        return false;
    }

    int argc = 1;
    char arg0[16] = "ui_qt_tests";
    char* argv[2] = {arg0, nullptr};
    Panels w;  // outlives the window
    ui::qt::QtPlatform platform{argc, argv};
};

TEST_F(AccessTest, TabArrowsAndEnterReachOnlyWhatIsSeenWithAMarkOnlyFromTheKeyboard) {
    std::vector<std::string> clicked;
    for (ui::Button* b : {&w.first, &w.second, &w.under, &w.outside})
        b->onClick = [&clicked, b] { clicked.push_back(b->name()); };
    int big = 0;  // Enter taken by the play keys (the big button of the phase)
    w.form.addPlayKeyHandler([&big](const ui::KeyEvent& k) {
        if (k.key != ui::keys::Enter || k.released) return false;
        ++big;
        return true;
    });
    QWidget* top = shown();
    // Where the window put the focus at the start does not matter: a key never presses what is not seen.
    widget(w.under).setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(clicked.empty());

    QTest::mouseClick(&widget(w.first), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), &widget(w.first));
    EXPECT_FALSE(marked(w.first)) << "a click draws no mark";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(big, 1) << "Enter is the play's while no button shows the mark";
    std::vector<QWidget*> order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order, (std::vector<QWidget*>{&widget(w.second), &widget(w.field), &widget(w.first),
                                            &widget(w.second)}));
    EXPECT_TRUE(marked(w.second));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), &widget(w.first));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(clicked, (std::vector<std::string>{"first", "first", "second"}));  // the click, Enter, Space
    EXPECT_EQ(big, 1);
    (void)top;
}

TEST_F(AccessTest, AScreenReaderIsOfferedWhatIsSeenByItsShownNames) {
    QWidget* top = shown();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(top);
    ASSERT_NE(window, nullptr);
    std::vector<std::pair<QAccessible::Role, QString>> offered;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        ASSERT_EQ(window->indexOfChild(child), i);
        offered.emplace_back(child->role(), child->text(QAccessible::Name));
    }
    // Not the button under the panel or below the window, the hidden label, nor the empty one.
    EXPECT_EQ(offered,
              (std::vector<std::pair<QAccessible::Role, QString>>{{QAccessible::Button, "はじめ"},
                                                                  {QAccessible::Button, "つぎ"},
                                                                  {QAccessible::Grouping, "カバー"},
                                                                  {QAccessible::StaticText, "123 点"},
                                                                  {QAccessible::ProgressBar, "HP"},
                                                                  {QAccessible::EditableText, "123 点"},
                                                                  {QAccessible::Graphic, "絵"}}));
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(&widget(w.picture));
    EXPECT_EQ(picture->text(QAccessible::Description), "残りブロック 3");
    QAccessibleInterface* hp = QAccessible::queryAccessibleInterface(&widget(w.hp));
    ASSERT_NE(hp->valueInterface(), nullptr);
    EXPECT_EQ(hp->valueInterface()->currentValue().toInt(), 7);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&widget(w.hidden))->state().invisible);
    // A caption changed later is the name at once.
    w.score.setCaption("456");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&widget(w.score))->text(QAccessible::Name), "456");
}

}  // namespace
