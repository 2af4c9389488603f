// The top-level window of a form: one widget per control, kept in step with the models, and the form's
// timers.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ui/core/Dispatcher.h"
#include "ui/core/Form.h"
#include "ui/qt/ControlView.h"
#include "ui/qt/MouseRouter.h"
#include "ui/qt/QtLanguage.h"
#include "ui/qt/ScaleChoice.h"
#include "ui/qt/TimerBinding.h"

namespace ui::qt {

class FormWindow : public QWidget, public ControlView, public ui::ControlObserver {
  public:
    FormWindow(ui::Form& form, ui::Dispatcher& dispatcher);
    // Detaches from every control and timer; the form may outlive the window.
    ~FormWindow() override;

    QWidget& widget() override { return *this; }
    ControlView* viewOf(const ui::Control& control) const;
    TimerBinding* bindingOf(const ui::Timer& timer) const;

    void controlChanged(ui::Control& control) override;
    void repaintNow(ui::Control& control) override;

    // Moves the window to the middle of its screen.
    void centre();

    // Shows the whole window factor times larger (every box, font and picture), keeping the models in
    // their own pixels; a shown window keeps its middle where it was, as far as the screen allows.
    void rescale(int factor);
    // The largest factor at which the window still fits its screen's free area.
    int largestScale() const;
    // Takes the player's remembered scale from settings (nullptr: none) and shows it; Ctrl and + / - / 0
    // change it from then on and remember it there.
    void useScaleSetting(base::Settings* settings);
    // Ctrl+Shift+L switches language (nullptr: no switch) for the next start and says so in a note.
    void useLanguage(QtLanguage* language) { language_ = language; }
    // Shows text small over the top-right corner of the form's note area for about a second (ms).
    void showNote(const std::string& text, int ms = kNoteMs);
    // Gives e to the focused child widget (or the window) as a typed key: the form's typeKey.
    void typeKey(const ui::KeyEvent& e);
    // The note's label while it is shown, else nullptr.
    QWidget* shownNote() const;
    static constexpr int kNoteMs = 1000;
    static constexpr int kLongNoteMs = 3000;  // a sentence to read

    // Asked when the user closes the window; false keeps it open.
    std::function<bool()> closeRequested;
    // Runs after each immediate repaint, between the frames of an animation inside a handler.
    std::function<void()> betweenFrames;
    // Runs once, at the turn of the event loop after the window's first paint: the player sees the window
    // before what may wait for it.
    std::function<void()> firstPainted;

  protected:
    void applyOwn() override {}
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Keys no child widget took (a text field keeps its own typing) go to the form's key handlers.
    void keyPressEvent(QKeyEvent* event) override;
    // The form's play keys are offered a key before the focused child widget sees it, and told of releases.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab, Shift+Tab and the arrows on a button move the focus only among the controls the player can see.
    bool focusNextPrevChild(bool next) override;

  private:
    // Tells the form when the desktop's focus leaves the program or comes back to it.
    void applicationStateChanged(Qt::ApplicationState state);
    void build(ui::Control& parent, QWidget& parentWidget);
    // Moves the window so that its frame lies inside the screen's free area, centred on centre if it can.
    void keepOnScreen(QPoint centre);
    // Whether widget is one of this window's controls and shows the keyboard's focus mark.
    bool focusMarked(const QWidget* widget) const;

    ui::Form& form_;
    ui::Dispatcher& dispatcher_;
    bool applicationActive_ = true;  // as last told to the form
    bool keyboardLast_ = false;      // the last press was a key's, not a mouse button's
    MouseRouter router_;
    std::vector<std::unique_ptr<ControlView>> views_;  // parents before their children
    std::unordered_map<const ui::Control*, ControlView*> byControl_;
    std::vector<std::unique_ptr<TimerBinding>> timers_;
    ScaleChoice scaleChoice_{nullptr};
    QtLanguage* language_ = nullptr;
    QPointer<QWidget> note_;
    QTimer noteTimer_;
};

}  // namespace ui::qt
