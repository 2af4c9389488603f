// Building the widget tree of a form and routing the models' changes to it.
#include "ui/qt/FormWindow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "ui/qt/ControlAccessible.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtKeys.h"
#include "ui/qt/QtText.h"
#include "ui/qt/SeenWidgets.h"
#include "ui/qt/ViewFactory.h"

namespace ui::qt {

FormWindow::FormWindow(ui::Form& form, ui::Dispatcher& dispatcher)
    : QWidget(nullptr), ControlView(form), form_(form), dispatcher_(dispatcher), router_(dispatcher) {
    if (form.dialogFrame)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    setFixedSize(form.bounds().width, form.bounds().height);
    setWindowTitle(qs(form.caption));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qcolour(form.background));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(toQFont(form.defaultFont));

    router_.attach(*this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { applicationStateChanged(state); });
    form_.setObserver(this);
    byControl_[&form_] = this;
    ControlAccessible::registerView(*this);
    build(form_, *this);
    // A picture reached with Tab comes after the fields and buttons, one of which the window gives the
    // focus when it opens, as it always did.
    for (const auto& v : views_)
        if (v->control().tabStop() && previousInFocusChain() != &v->widget())
            QWidget::setTabOrder(previousInFocusChain(), &v->widget());
    for (ui::Timer* t : form_.timers()) timers_.push_back(std::make_unique<TimerBinding>(*t, dispatcher_));
    noteTimer_.setSingleShot(true);
    connect(&noteTimer_, &QTimer::timeout, this, [this] {
        if (note_) note_->hide();
    });
    form_.setNoteShower([this](const std::string& text) { showNote(text); });
    form_.setKeyTyper([this](const ui::KeyEvent& e) { typeKey(e); });
    form_.setFocusMarkQuery([this] { return focusMarked(QApplication::focusWidget()); });
    // A focused button would take the arrows and Space: the play keys are offered first (see eventFilter).
    qApp->installEventFilter(this);
}

FormWindow::~FormWindow() {
    form_.setNoteShower(nullptr);
    form_.setKeyTyper(nullptr);
    form_.setFocusMarkQuery(nullptr);
    timers_.clear();
    for (auto& [control, view] : byControl_) const_cast<ui::Control*>(control)->setObserver(nullptr);
    // Children first: a panel's widget would otherwise delete the widgets of its children.
    while (!views_.empty()) views_.pop_back();
}

void FormWindow::build(ui::Control& parent, QWidget& parentWidget) {
    // Creation order is stacking order: each new widget lies over its older siblings.
    for (ui::Control* child : parent.children()) {
        std::unique_ptr<ControlView> view = makeView(*child, dispatcher_, &parentWidget);
        ControlView& v = *view;
        views_.push_back(std::move(view));
        byControl_[child] = &v;
        if (auto* area = dynamic_cast<QAbstractScrollArea*>(&v.widget()))
            router_.attach(v, area->viewport());
        else
            router_.attach(v);
        child->setObserver(this);
        ControlAccessible::registerView(v);
        v.setScale(scale());
        v.apply();
        build(*child, v.widget());
    }
}

ControlView* FormWindow::viewOf(const ui::Control& control) const {
    const auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : it->second;
}

TimerBinding* FormWindow::bindingOf(const ui::Timer& timer) const {
    for (const auto& b : timers_)
        if (&b->timer() == &timer) return b.get();
    return nullptr;
}

void FormWindow::controlChanged(ui::Control& control) {
    if (ControlView* v = viewOf(control)) v->apply();
}

void FormWindow::repaintNow(ui::Control& control) {
    if (ControlView* v = viewOf(control)) v->widget().repaint();
    if (betweenFrames) betweenFrames();
}

void FormWindow::centre() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void FormWindow::rescale(int factor) {
    if (factor < 1 || factor == scale()) return;
    const QPoint middle = frameGeometry().center();
    setScale(factor);
    router_.setScale(factor);
    setFont(toQFont(form_.defaultFont, factor));
    setFixedSize(form_.bounds().width * factor, form_.bounds().height * factor);
    for (const auto& v : views_) {
        v->setScale(factor);
        v->apply();
    }
    if (isVisible()) keepOnScreen(middle);
}

int FormWindow::largestScale() const {
    const QScreen* s = screen();
    if (!s) return 1;
    const QRect area = s->availableGeometry();
    // Title bar and borders; known only once a window manager has framed the shown window.
    const QSize frame = frameGeometry().size() - geometry().size();
    return ScaleChoice::largestFitting(form_.bounds().width, form_.bounds().height,
                                       area.width() - frame.width(), area.height() - frame.height());
}

void FormWindow::useScaleSetting(base::Settings* settings) {
    scaleChoice_ = ScaleChoice(settings);
    rescale(scaleChoice_.factor(largestScale()));
}

void FormWindow::keepOnScreen(QPoint centre) {
    const QScreen* s = screen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size() + size();
    const int x = std::clamp(centre.x() - frame.width() / 2, area.left(),
                             std::max(area.left(), area.left() + area.width() - frame.width()));
    const int y = std::clamp(centre.y() - frame.height() / 2, area.top(),
                             std::max(area.top(), area.top() + area.height() - frame.height()));
    move(x, y);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) keyboardLast_ = false;
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    if (type == QEvent::KeyPress) keyboardLast_ = true;
    // Only the first delivery: to the focused widget of this window, or to the window when none has the
    // focus. The window's own presses come through keyPressEvent.
    QWidget* first = QApplication::focusWidget();
    if (!first) first = this;
    if (watched != first || first->window() != this) return false;
    if (type == QEvent::KeyPress && first != this && !reachable(*first)) {
        // The focus rests where the player cannot see (under a panel now shown, or where the window put it
        // at the start): a key must not press what is not seen. The window takes the key instead.
        first->clearFocus();
        QCoreApplication::sendEvent(this, event);
        return true;
    }
    const ui::KeyEvent e = modelKey(*static_cast<QKeyEvent*>(event));
    if (e.key == 0) return false;
    if (type == QEvent::KeyRelease) {
        dispatcher_.run([&] { form_.playKeyUp(e); });
        return false;  // the widgets see their releases as before
    }
    if (watched == this) return false;
    // Enter presses the button the keyboard went to (it shows the mark), not the big button of the phase.
    if (e.key == ui::keys::Enter && focusMarked(first)) return false;
    bool taken = false;
    dispatcher_.run([&] { taken = form_.playKeyDown(e); });
    return taken;
}

bool FormWindow::focusMarked(const QWidget* widget) const {
    const auto* view = dynamic_cast<const ControlView*>(widget);
    return view && widget->window() == this && view->keyboardFocused();
}

bool FormWindow::focusNextPrevChild(bool next) {
    QWidget* const start = QApplication::focusWidget() && QApplication::focusWidget()->window() == this
                               ? QApplication::focusWidget()
                               : this;
    for (QWidget* w = start;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == start) return false;
        if (w != this && w->window() == this && !w->focusProxy() && reachable(*w)) {
            // The focus leaving a control hidden by a click moves on unmarked (see FocusMark).
            w->setFocus(!keyboardLast_ ? Qt::OtherFocusReason
                        : next         ? Qt::TabFocusReason
                                       : Qt::BacktabFocusReason);
            return true;
        }
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const ui::KeyEvent e = modelKey(*event);
    // The window's scale keys work in every program and never reach the form.
    if (const ScaleChoice::Step step = ScaleChoice::stepOf(e); step != ScaleChoice::Step::None) {
        rescale(scaleChoice_.take(step, scale(), largestScale()));
        form_.showNote("×" + std::to_string(scale()));
        return;
    }
    if (language_ && QtLanguage::isSwitchKey(e)) {
        showNote(language_->switchForNextStart(), kLongNoteMs);
        return;
    }
    // A key that a child widget left alone was offered to the play keys already (eventFilter).
    const QWidget* first = QApplication::focusWidget();
    const bool offered = first && first != this;
    bool taken = false;
    if (e.key != 0)
        dispatcher_.run([&] {
            taken = (!offered && form_.playKeyDown(e)) || (e.key != ui::keys::Control && form_.keyDown(e));
        });
    if (!taken) QWidget::keyPressEvent(event);
}

void FormWindow::typeKey(const ui::KeyEvent& e) {
    const int key = qtKeyOf(e.key);
    if (key == 0) return;
    Qt::KeyboardModifiers m;
    if (e.shift) m |= Qt::ShiftModifier;
    if (e.ctrl) m |= Qt::ControlModifier;
    if (e.alt) m |= Qt::AltModifier;
    // Delivered after the running handler, to whatever has the focus then, as a typed key would be.
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != this) target = this;
    const QString text = key == Qt::Key_Tab ? QString("\t") : key < 0x7f ? QString(QChar(key)) : QString();
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, m, text, e.autoRepeat));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, m, text, e.autoRepeat));
}

void FormWindow::showNote(const std::string& text, int ms) {
    if (!note_) {
        auto* label = new QLabel(this);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, QColor(0, 0, 0, 160));
        pal.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(pal);
        note_ = label;
    }
    auto* label = static_cast<QLabel*>(note_.data());
    const int s = scale();
    label->setFont(faceFont(ui::kGothicP, 12 * s, true));
    label->setContentsMargins(4 * s, 1 * s, 4 * s, 1 * s);
    label->setText(qs(text));
    label->adjustSize();
    const ui::Rect a =
        form_.noteArea.width > 0 && form_.noteArea.height > 0 ? form_.noteArea : form_.bounds();
    const int inset = 4 * s;
    label->move((a.left + a.width) * s - inset - label->width(), a.top * s + inset);
    label->raise();
    label->show();
    noteTimer_.start(ms);
}

QWidget* FormWindow::shownNote() const {
    return note_ && note_->isVisible() ? note_.data() : nullptr;
}

void FormWindow::applicationStateChanged(Qt::ApplicationState state) {
    // The desktop's focus leaving the program counts; a message box or file dialog of our own does not.
    const bool active = state == Qt::ApplicationActive;
    if (active == applicationActive_) return;
    applicationActive_ = active;
    dispatcher_.run([&] { form_.activationChanged(active); });
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (firstPainted) QTimer::singleShot(0, this, std::exchange(firstPainted, nullptr));
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (!closeRequested || closeRequested())
        event->accept();
    else
        event->ignore();
}

}  // namespace ui::qt
