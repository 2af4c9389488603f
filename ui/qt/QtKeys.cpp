// The key codes of Qt and of the models.
#include "ui/qt/QtKeys.h"

#include <utility>

namespace ui::qt {
namespace {

// Qt's codes of the keys that are not printable, and the model's.
constexpr std::pair<int, int> kKeyCodes[] = {
    {Qt::Key_Escape, ui::keys::Escape},       {Qt::Key_Tab, ui::keys::Tab},
    {Qt::Key_Backspace, ui::keys::Backspace}, {Qt::Key_Return, ui::keys::Enter},
    {Qt::Key_Enter, ui::keys::Enter},         {Qt::Key_Delete, ui::keys::Delete},
    {Qt::Key_Home, ui::keys::Home},           {Qt::Key_End, ui::keys::End},
    {Qt::Key_Left, ui::keys::Left},           {Qt::Key_Up, ui::keys::Up},
    {Qt::Key_Right, ui::keys::Right},         {Qt::Key_Down, ui::keys::Down},
    {Qt::Key_PageUp, ui::keys::PageUp},       {Qt::Key_PageDown, ui::keys::PageDown},
    {Qt::Key_Control, ui::keys::Control},
};

}  // namespace

int keyCode(int qtKey) {
    if (qtKey >= 0x20 && qtKey < 0x7f) return qtKey;  // Qt's codes of printable keys are upper-case ASCII
    for (const auto& [qt, code] : kKeyCodes)
        if (qtKey == qt) return code;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return ui::keys::F1 + (qtKey - Qt::Key_F1);
    return 0;
}

int qtKeyOf(int code) {
    if (code >= 0x20 && code < 0x7f) return code;
    for (const auto& [qt, model] : kKeyCodes)
        if (code == model) return qt;
    if (code >= ui::keys::F1 && code < ui::keys::F1 + 12) return Qt::Key_F1 + (code - ui::keys::F1);
    return 0;
}

ui::KeyEvent modelKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return {keyCode(event.key()), (m & Qt::ControlModifier) != 0, (m & Qt::ShiftModifier) != 0,
            (m & Qt::AltModifier) != 0, event.isAutoRepeat()};
}

}  // namespace ui::qt
