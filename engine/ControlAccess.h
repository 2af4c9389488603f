// Null-safe access to the optional controls of a PlayControls: a missing control is hidden and ignores
// changes.
#pragma once

#include <string>

#include "ui/core/Control.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace engine {

inline bool shown(const ui::Control* c) {
    return c && c->visible();
}
inline void setShown(ui::Control* c, bool v) {
    if (c) c->setVisible(v);
}
inline std::string captionOf(const ui::Label* l) {
    return l ? l->caption() : std::string();
}
inline bool captionEmpty(const ui::Label* l) {
    return !l || l->caption().empty();
}
inline void setCaption(ui::Label* l, const std::string& text) {
    if (l) l->setCaption(text);
}
inline void setTransparent(ui::Label* l, bool t) {
    if (l) l->setTransparent(t);
}
inline bool running(const ui::Timer* t) {
    return t && t->enabled();
}
inline void stop(ui::Timer* t) {
    if (t) t->stop();
}
inline void start(ui::Timer* t) {
    if (t) t->start();
}
inline int intervalOf(const ui::Timer* t) {
    return t ? t->interval() : 0;
}
inline void setInterval(ui::Timer* t, int ms) {
    if (t) t->setInterval(ms);
}

}  // namespace engine
