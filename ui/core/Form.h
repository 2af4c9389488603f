// A fixed-size main window: client area, caption, application title, colours, controls and timers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Colour.h"
#include "ui/core/Control.h"
#include "ui/core/Font.h"
#include "ui/core/Key.h"
#include "ui/core/Timer.h"

namespace ui {

class Form : public Control {
  public:
    Form(std::string name, int clientWidth, int clientHeight)
        : Control(std::move(name), {0, 0, clientWidth, clientHeight}) {}

    std::string caption;   // window caption
    std::string appTitle;  // task bar and message-box caption
    base::Colour background = base::colours::Silver;
    Font defaultFont;         // "ＭＳ Ｐゴシック" 12 px unless set
    bool dialogFrame = true;  // fixed size, close box only

    void addTimer(Timer& t) { timers_.push_back(&t); }
    const std::vector<Timer*>& timers() const { return timers_; }

    // Called before the window closes (after the user asked); false keeps it open.
    std::function<bool()> onCloseQuery;
    // Called as the window closes; false keeps it open after all (a save that failed, and the player chose to
    // go back). When the desktop session or a signal ends the program, only this is called, with
    // endingSession set: nobody is there to answer a question, and the result is not asked for.
    std::function<bool()> onClose;
    bool endingSession = false;
    // Run once after the window and its controls exist, before it is shown; and when it is destroyed.
    std::function<void()> onCreate;
    std::function<void()> onDestroy;

    // Keys the focused control leaves alone come here: handlers are asked in the order they were added until
    // one takes the key (returns true). The window layer calls keyDown through the dispatcher.
    using KeyHandler = std::function<bool(const KeyEvent&)>;
    void addKeyHandler(KeyHandler handler) { keyHandlers_.push_back(std::move(handler)); }
    bool keyDown(const KeyEvent& e) { return offer(keyHandlers_, e); }
    // The play keys come here before the focused control, which would take arrows and Space for itself, and
    // before the other key handlers; a handler returns true when it took the key. They are told of releases
    // too (released set), which nobody takes.
    void addPlayKeyHandler(KeyHandler handler) { playKeyHandlers_.push_back(std::move(handler)); }
    bool playKeyDown(const KeyEvent& e) { return offer(playKeyHandlers_, e); }
    void playKeyUp(KeyEvent e) {
        e.released = true;
        for (auto& h : playKeyHandlers_) h(e);
    }
    // Gives a key to the focused control as if it had been typed (the game pad working a panel): it takes the
    // way of a typed key, play keys first. The window layer sets how (nullptr: nothing happens).
    void typeKey(const KeyEvent& e) {
        if (keyTyper_) keyTyper_(e);
    }
    void setKeyTyper(std::function<void(const KeyEvent&)> typer) { keyTyper_ = std::move(typer); }
    // Whether the focused control shows the keyboard's focus mark: Enter (and the pad's A) then works that
    // control rather than the big button of the play. The window layer says how (nullptr: never).
    bool focusMarked() const { return focusMarkQuery_ && focusMarkQuery_(); }
    void setFocusMarkQuery(std::function<bool()> query) { focusMarkQuery_ = std::move(query); }
    // Told when the window gains (true) or loses (false) the keyboard focus of the desktop.
    void addActivationHandler(std::function<void(bool)> handler) {
        activationHandlers_.push_back(std::move(handler));
    }
    void activationChanged(bool active) {
        for (auto& h : activationHandlers_) h(active);
    }

    // A short note shown for about a second over the top-right corner of noteArea (the whole client area
    // when empty), small and leaving the mouse to what lies under it: a changed volume or window size.
    Rect noteArea;
    void showNote(const std::string& text) {
        lastNote_ = text;
        if (noteShower_) noteShower_(text);
    }
    const std::string& lastNote() const { return lastNote_; }
    // The window layer's way of showing notes (nullptr: none is shown).
    void setNoteShower(std::function<void(const std::string&)> shower) { noteShower_ = std::move(shower); }

  private:
    // Asks the handlers in order until one takes the key.
    static bool offer(const std::vector<KeyHandler>& handlers, const KeyEvent& e) {
        for (const KeyHandler& h : handlers)
            if (h(e)) return true;
        return false;
    }

    std::string lastNote_;
    std::function<void(const std::string&)> noteShower_;
    std::function<void(const KeyEvent&)> keyTyper_;
    std::function<bool()> focusMarkQuery_;
    std::vector<Timer*> timers_;
    std::vector<KeyHandler> keyHandlers_;
    std::vector<KeyHandler> playKeyHandlers_;
    std::vector<std::function<void(bool)>> activationHandlers_;
};

}  // namespace ui
