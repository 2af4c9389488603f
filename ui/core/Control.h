// Base of every window control model: name, box, visibility, mouse handlers and change notification.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/core/Geometry.h"
#include "ui/core/Key.h"

namespace ui {

class Control;

// Told when a control's look changes; the window layer keeps its widgets in step through it.
class ControlObserver {
  public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control& control) = 0;
    // Paint the control now, inside the running handler (animations that pause in between).
    virtual void repaintNow(Control& control) { (void)control; }
};

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    MouseButton button = MouseButton::Left;
    int x = 0, y = 0;  // pixels from the control's top-left corner
};

class Control {
  public:
    explicit Control(std::string name, Rect bounds = {}, bool visible = true);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Rect bounds() const { return bounds_; }
    void setBounds(Rect r) { assign(bounds_, r); }
    void moveTo(int left, int top) { setBounds({left, top, bounds_.width, bounds_.height}); }
    bool visible() const { return visible_; }
    void setVisible(bool v) { assign(visible_, v); }
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v) { assign(enabled_, v); }
    // Tooltip text shown when the pointer rests on the control (empty: none).
    const std::string& hint() const { return hint_; }
    void setHint(std::string h) { assign(hint_, h); }

    // What a screen reader is told (read when it asks: setting them repaints nothing). The name: the one set
    // here, else the shown text of labelledBy (a label beside a field), else the control's own shown text; a
    // label or picture without one is decoration and is not offered. announced: each change of the shown text
    // or value is told as it happens (the message line, the score, the lives).
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string n) { accessibleName_ = std::move(n); }
    const Control* labelledBy() const { return labelledBy_; }
    void setLabelledBy(const Control* label) { labelledBy_ = label; }
    const std::string& accessibleDescription() const { return accessibleDescription_; }
    void setAccessibleDescription(std::string d) { accessibleDescription_ = std::move(d); }
    bool announced() const { return announced_; }
    void setAnnounced(bool a) { announced_ = a; }

    // A control that takes no keyboard focus of its own (a picture) may be reached with Tab: its keys go to
    // onKeyDown (true: taken), and while it has the focus the window marks focusBox (empty: the whole box).
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool t) { assign(tabStop_, t); }
    Rect focusBox() const { return focusBox_; }
    void setFocusBox(Rect r) { assign(focusBox_, r); }
    std::function<bool(const KeyEvent&)> onKeyDown;

    // Children in creation order (panels and forms have them).
    const std::vector<Control*>& children() const { return children_; }
    Control* parent() const { return parent_; }
    void add(Control& child);

    // Event handlers; the window layer calls them through the dispatcher.
    std::function<void(const MouseEvent&)> onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onClick;

    void setObserver(ControlObserver* o) { observer_ = o; }
    ControlObserver* observer() const { return observer_; }
    // Bumped on every change of look; lets tests see that nothing was repainted.
    std::uint64_t revision() const { return revision_; }
    // Changes of look of every control of the calling thread so far, pictures' pixels left out (no rule
    // reads them back): a timer whose tick reads controls learns from it whether any changed since it last
    // looked.
    static std::uint64_t changesOnThisThread();
    void repaint();

  protected:
    template <typename T>
    void assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        changed();
    }
    void changed();
    // A change of the pixels alone: shown like any change, not counted in changesOnThisThread.
    void pixelsChanged();

  private:
    std::string name_;
    Rect bounds_;
    bool visible_;
    bool enabled_ = true;
    std::string hint_;
    std::string accessibleName_;
    const Control* labelledBy_ = nullptr;
    std::string accessibleDescription_;
    bool announced_ = false;
    bool tabStop_ = false;
    Rect focusBox_;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    ControlObserver* observer_ = nullptr;
    std::uint64_t revision_ = 0;
};

// A group panel: a box that holds other controls, positioned relative to it.

}  // namespace ui
