// Mouse, buttons, fields and lists: user actions reach the handlers through the dispatcher.
#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWindow>

#include "QtFixture.h"
#include "base/IoError.h"

namespace {

using testutil::QtTest;

std::string str(const ui::MouseEvent& e) {
    const char* b = e.button == ui::MouseButton::Left ? "L" : e.button == ui::MouseButton::Right ? "R" : "M";
    return std::string(b) + std::to_string(e.x) + "," + std::to_string(e.y);
}

TEST_F(QtTest, AButtonPressedOverTheImageKeepsItsMovesOutside) {
    std::vector<std::string> seen;
    w.image.onMouseDown = [&](const ui::MouseEvent& e) { seen.push_back("down " + str(e)); };
    w.image.onMouseMove = [&](const ui::MouseEvent& e) { seen.push_back("move " + str(e)); };
    w.image.onMouseUp = [&](const ui::MouseEvent& e) { seen.push_back("up " + str(e)); };
    w.form.onMouseMove = [&](const ui::MouseEvent& e) { seen.push_back("form " + str(e)); };
    QWidget* top = platform.build(w.form);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    QWindow* win = top->windowHandle();

    QTest::mouseMove(win, QPoint(165, 45));  // over the image (160, 40)
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(165, 45));
    QTest::mouseMove(win, QPoint(20, 10));    // far left of and above the image
    QTest::mouseMove(win, QPoint(300, 190));  // right of and below it
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(300, 190));
    QTest::mouseMove(win, QPoint(5, 190));  // no button: the form's own move
    EXPECT_EQ(seen, (std::vector<std::string>{"move L5,5", "down L5,5", "move L-140,-30", "move L140,150",
                                              "up L140,150", "form L5,190"}));
}

TEST_F(QtTest, RightPressesAndClicksOnLabels) {
    std::vector<std::string> seen;
    w.label.onMouseDown = [&](const ui::MouseEvent& e) { seen.push_back("down " + str(e)); };
    w.label.onMouseUp = [&](const ui::MouseEvent& e) { seen.push_back("up " + str(e)); };
    w.label.onClick = [&] { seen.push_back("click"); };
    w.form.onMouseDown = [&](const ui::MouseEvent&) { seen.push_back("form down"); };
    QWidget* top = platform.build(w.form);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    QWindow* win = top->windowHandle();
    QTest::mouseClick(win, Qt::RightButton, {}, QPoint(3, 4));
    QTest::mouseClick(win, Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_EQ(seen, (std::vector<std::string>{"down R3,4", "up R3,4", "down L7,8", "click", "up L7,8"}));
}

TEST_F(QtTest, AnErrorInAHandlerBecomesTheErrorBoxAndTheProgramGoesOn) {
    int clicks = 0;
    w.button.onClick = [&] {
        ++clicks;
        throw base::IoError(base::IoCode::FileNotFound);
    };
    platform.build(w.form);
    auto& b = dynamic_cast<QAbstractButton&>(widget(w.button));
    b.click();
    b.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>(2, "ﾌｧｲﾙが見つかりません.")));
}

TEST_F(QtTest, KeysTheFieldDoesNotTakeReachTheFormAndTypingStaysInTheField) {
    std::vector<std::string> keys;
    w.form.addKeyHandler([&](const ui::KeyEvent& e) {
        keys.push_back(std::string(1, static_cast<char>(e.key)) + (e.ctrl ? "^" : ""));
        return e.key == 'P';
    });
    QWidget* top = platform.build(w.form);
    QTest::keyClick(top, Qt::Key_P);
    QTest::keyClick(top, Qt::Key_M, Qt::ControlModifier);
    auto& field = dynamic_cast<QLineEdit&>(widget(w.edit));
    QTest::keyClicks(&field, "pm");
    EXPECT_EQ(keys, (std::vector<std::string>{"P", "M^"}));
    EXPECT_EQ(w.edit.text(), "pm");
}

TEST_F(QtTest, KeysThatAreNotPrintableReachTheFormByTheirModelCodes) {
    std::vector<int> keys;
    w.form.addKeyHandler([&](const ui::KeyEvent& e) {
        keys.push_back(e.key);
        return true;
    });
    QWidget* top = platform.build(w.form);
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Delete, Qt::Key_Left,
                      Qt::Key_PageDown, Qt::Key_F3, Qt::Key_CapsLock})
        QTest::keyClick(top, k);
    // A key the model has no code for is left to Qt.
    EXPECT_EQ(keys, (std::vector<int>{ui::keys::Escape, ui::keys::Enter, ui::keys::Enter, ui::keys::Delete,
                                      ui::keys::Left, ui::keys::PageDown, ui::keys::F1 + 2}));
}

TEST_F(QtTest, OnlyTheDesktopsFocusLeavingTheProgramIsAnActivationChange) {
    std::vector<bool> told;
    w.form.addActivationHandler([&](bool active) { told.push_back(active); });
    platform.build(w.form);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    emit qApp->applicationStateChanged(Qt::ApplicationHidden);  // still away: told once
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(told, (std::vector<bool>{false, true}));
}

TEST_F(QtTest, TypingIsLimitedInCodePageBytes) {
    int changes = 0, enters = 0;
    w.edit.setMaxBytes(4);
    w.edit.onChange = [&] { ++changes; };
    w.edit.onEnter = [&] { ++enters; };
    platform.build(w.form);
    auto& e = dynamic_cast<QLineEdit&>(widget(w.edit));
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&e, &focus);
    EXPECT_EQ(enters, 1);

    QTest::keyClicks(&e, "abcdef");
    EXPECT_EQ(w.edit.text(), "abcd");
    EXPECT_EQ(e.text(), QStringLiteral("abcd"));
    EXPECT_EQ(changes, 4);

    e.clear();
    w.edit.setText("");
    e.insert(QStringLiteral("あ"));
    e.insert(QStringLiteral("ｱ"));   // half-width: one byte
    e.insert(QStringLiteral("い"));  // would make five
    e.insert(QStringLiteral("😀"));   // not in the code page
    EXPECT_EQ(w.edit.text(), "あｱ");

    // The program's own text is shown whole, beyond the limit.
    w.edit.setText("長いタイトルです");
    EXPECT_EQ(e.text(), QStringLiteral("長いタイトルです"));
}

TEST_F(QtTest, ListPicksReachTheModelAndProgramPicksShow) {
    std::vector<int> picked;
    w.list.onClick = [&] { picked.push_back(w.list.itemIndex()); };
    platform.build(w.form);
    auto& list = dynamic_cast<QListWidget&>(widget(w.list));
    w.list.setItemIndex(1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(picked.empty());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(picked, std::vector<int>{2});
    EXPECT_EQ(w.list.itemIndex(), 2);
    w.list.setItemIndex(-1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
    w.list.setItemHeight(12);
    EXPECT_EQ(list.visualItemRect(list.item(1)).height(), 12);
}

TEST_F(QtTest, RepaintNowPaintsInsideTheHandler) {
    QWidget* top = platform.build(w.form);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    QWidget& iw = widget(w.image);
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    iw.installEventFilter(&counter);
    w.image.surface().fill(0, 0, 40, 40, base::colours::Red);
    w.image.repaintNow();
    EXPECT_EQ(counter.paints, 1);  // before the event loop has run again
    w.image.repaintNow();
    EXPECT_EQ(counter.paints, 2);
    iw.removeEventFilter(&counter);
}

}  // namespace

TEST_F(QtTest, PlayKeysComeBeforeTheFocusedButtonAndHearTheirReleasesOnce) {
    int clicks = 0;
    w.button.onClick = [&] { ++clicks; };
    std::vector<std::string> play, form;
    w.form.addPlayKeyHandler([&](const ui::KeyEvent& e) {
        play.push_back(std::string(e.released ? "up " : "") + static_cast<char>(e.key));
        return e.key == ' ';
    });
    w.form.addKeyHandler([&](const ui::KeyEvent& e) {
        form.push_back(std::string(1, static_cast<char>(e.key)));
        return false;
    });
    QWidget* top = platform.build(w.form);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    auto& button = dynamic_cast<QAbstractButton&>(widget(w.button));
    button.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &button);
    QTest::keyClick(&button, Qt::Key_Space);  // the play's: the button is not pressed
    QTest::keyClick(&button, Qt::Key_Q);      // not the play's: on to the form
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(play, (std::vector<std::string>{" ", "up  ", "Q", "up Q"}));
    EXPECT_EQ(form, (std::vector<std::string>{"Q"}));
}

// A key the pad types takes a typed key's way, after the running handler: the play keys, then the focused
// control (Space presses the button), then the form; Shift+Tab moves the focus back.
TEST_F(QtTest, ATypedKeyGoesTheWayOfAKeyFromTheKeyboard) {
    int clicks = 0;
    w.button.onClick = [&] { ++clicks; };
    std::vector<std::string> play, form;
    w.form.addPlayKeyHandler([&](const ui::KeyEvent& e) {
        if (!e.released) play.push_back(std::string(1, static_cast<char>(e.key)));
        return e.key == 'Q';
    });
    w.form.addKeyHandler([&](const ui::KeyEvent& e) {
        form.push_back(std::string(1, static_cast<char>(e.key)));
        return false;
    });
    QWidget* top = platform.build(w.form);
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    auto& button = dynamic_cast<QAbstractButton&>(widget(w.button));
    button.setFocus();
    w.form.typeKey({.key = 'Q'});
    w.form.typeKey({.key = ' '});
    w.form.typeKey({.key = 'Z'});
    EXPECT_TRUE(play.empty());  // nothing before the event loop runs
    QApplication::processEvents();
    EXPECT_EQ(play, (std::vector<std::string>{"Q", " ", "Z"}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form, (std::vector<std::string>{"Z"}));
    w.form.typeKey({.key = ui::keys::Tab, .shift = true});
    QApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), &button);
}
