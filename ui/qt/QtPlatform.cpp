// The Qt application around one main window: services, window building, event loop and shutdown.
#include "ui/qt/QtPlatform.h"

#include <QApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QProcess>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStringList>
#include <stdexcept>
#include <utility>

#include "base/Clock.h"
#include "base/DataFolder.h"
#include "base/Doorbell.h"
#include "base/Random.h"
#include "base/Translation.h"
#include "ui/core/Dispatcher.h"
#include "ui/core/TextRenderer.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtLanguage.h"
#include "ui/qt/QtText.h"
#include "ui/qt/QtTextRenderer.h"
#include "ui/qt/SignalBridge.h"
#include "ui/qt/SingleInstance.h"

namespace ui::qt {
namespace {

// Whole device pixel ratios only: a screen at 150 % shows the windows at 2x and one at 125 % at 1x, so every
// pixel of a window covers whole screen pixels and the play field stays sharp.
struct ScreenRatioRounding {
    ScreenRatioRounding() {
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
        cacheBigGlyphs();
    }
};

}  // namespace

struct QtPlatform::Impl {
    Impl(int& argc, char** argv)
        : app(argc, argv),
          services{clock, dialogs, random,  dispatcher, utf8(QCoreApplication::applicationDirPath()) + "/",
                   {},    {},      nullptr, {},         nullptr} {
        random.randomize();
        // A folder that another user owns or may write to is refused: nothing is read or written there.
        services.dataDir = base::trustedDataDirFromEnvironment(services.programDir);
        // A folder that cannot be made shows up as the save files' own errors.
        if (!services.dataDir.empty() && services.dataDir != services.programDir)
            base::makePrivateFolders(services.dataDir + "dat");
        settings = base::Settings(services.dataDir.empty() ? std::string() : services.dataDir + "zorban.ini",
                                  utf8(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
        services.settings = &settings;
        language = std::make_unique<QtLanguage>(services.programDir, &settings);
        // Lets the desktop match the window to the program's desktop entry and icon.
        QGuiApplication::setDesktopFileName(ZORBAN_APP_ID_PREFIX "." +
                                            QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        // Runs fn on the UI thread at the next turn of the event loop; callable from any thread.
        services.postToUi = [this](std::function<void()> fn) {
            QMetaObject::invokeMethod(
                &app, [this, fn = std::move(fn)] { dispatcher.run(fn); }, Qt::QueuedConnection);
        };
        services.startProgram = [](const std::string& program, const std::vector<std::string>& arguments) {
            QStringList list;
            for (const std::string& a : arguments) list << qs(a);
            if (!QProcess::startDetached(qs(program), list))
                throw std::runtime_error(
                    base::fillIn(base::translate("Errors", "%1 を起動できませんでした"), program));
        };
        ui::setTextRenderer(&textRenderer);
        // The end of the desktop session closes the window as a signal does.
        QObject::connect(
            &app, &QGuiApplication::commitDataRequest, &app, [this](QSessionManager&) { endSession(); },
            Qt::DirectConnection);
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [this] { endSession(); });
        // The sound device's notices: answered by the event loop, and in the blocking pause and between the
        // frames of an animation, where nothing else runs, so a busy handler never starves the device.
        services.deviceBell = &deviceBell;
        clock.answerWhilePausing(&deviceBell);
        if (deviceBell.fd() >= 0) {
            bellNotifier = std::make_unique<QSocketNotifier>(deviceBell.fd(), QSocketNotifier::Read);
            QObject::connect(bellNotifier.get(), &QSocketNotifier::activated, &app,
                             [this] { dispatcher.run([this] { deviceBell.answer(); }); });
        }
    }
    ~Impl() {
        window.reset();
        ui::setTextRenderer(nullptr);
    }

    void build(ui::Form& form) {
        window.reset();
        closed = false;
        sessionEnded = false;
        QCoreApplication::setApplicationName(qs(form.appTitle));
        dialogs.setAppTitle(form.appTitle);
        window = std::make_unique<FormWindow>(form, dispatcher);
        window->useScaleSetting(services.settings);
        window->useLanguage(language.get());
        dialogs.setParent(window.get());
        window->closeRequested = [this, &form] { return closeRequested(form); };
        window->betweenFrames = [this] { deviceBell.answer(); };
        // Timers tick from here on, but only once the event loop runs, after the creation handler.
        dispatcher.run(form.onCreate);
    }

    // The user asked to close: the form may refuse; an error in its question keeps the window open.
    bool closeRequested(ui::Form& form) {
        bool mayClose = false;
        dispatcher.run([&] { mayClose = form.onCloseQuery ? form.onCloseQuery() : true; });
        if (!mayClose) return false;
        bool close = true;  // an error escaping the handler has been shown; the window closes as before
        dispatcher.run([&] { close = form.onClose ? form.onClose() : true; });
        closed = close;
        return close;
    }

    // A signal or the desktop session ends the program: the window closes as its close box does, without the
    // questions that need a player (the in-play question, what to do about a failed save).
    // Before the event loop runs (the creation handler, a dialog of the start), the window is only half made:
    // the request is kept, the dialog on screen closes and later ones answer at once, and the window ends as
    // soon as it is made, without being shown (see QtPlatform::run).
    void endSession() {
        if (!looping) {
            endRequested = true;
            dialogs.dismissAll();
            return;
        }
        if (!window || !built || sessionEnded || closed) return;
        sessionEnded = true;
        built->endingSession = true;
        dispatcher.run([this] {
            if (built->onClose) built->onClose();
        });
        window->closeRequested = nullptr;
        window->close();
        QCoreApplication::exit(0);
    }

    // A later start asked for the window. Wayland lets a program take the focus only with a token the
    // desktop gave that start; Qt hands the one in XDG_ACTIVATION_TOKEN to the compositor.
    void bringToFront(const std::string& activationToken) {
        if (!window) return;
        if (window->isMinimized()) window->showNormal();
        if (!activationToken.empty())
            qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activationToken));
        window->raise();
        window->activateWindow();
        qunsetenv("XDG_ACTIVATION_TOKEN");  // read at once; never handed on to a program started later
    }

    void destroy(ui::Form& form) {
        if (!window) return;
        dispatcher.run(form.onDestroy);
        dialogs.setParent(nullptr);
        window.reset();
    }

    ScreenRatioRounding rounding;  // before the application: it reads the policy when it starts
    QApplication app;
    base::Doorbell deviceBell;  // before the clock that answers it
    base::SystemClock clock;
    QtDialogs dialogs;
    base::Random random;
    ui::Dispatcher dispatcher{dialogs};
    ui::Services services;
    base::Settings settings;
    std::unique_ptr<QtLanguage> language;
    QtTextRenderer textRenderer;
    std::unique_ptr<QSocketNotifier> bellNotifier;
    std::unique_ptr<FormWindow> window;
    ui::Form* built = nullptr;  // the form of window
    bool sessionEnded = false;  // endSession has run
    bool closed = false;        // the window's close was accepted
    bool looping = false;       // the event loop of run() has started
    bool endRequested = false;  // a signal or the session's end came before it did
    SignalBridge signalBridge{[this](int) { endSession(); }};
    std::unique_ptr<SingleInstance> single;
    std::function<void()> afterFirstPaint;
};

QtPlatform::QtPlatform(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {}

QtPlatform::~QtPlatform() = default;

ui::Services& QtPlatform::services() {
    return impl_->services;
}

int QtPlatform::run(ui::Form& form) {
    Impl& d = *impl_;
    build(form);
    d.looping = true;
    if (d.endRequested) {
        d.endSession();
        d.destroy(form);
        d.built = nullptr;
        return 0;
    }
    FormWindow& w = *d.window;
    if (d.afterFirstPaint) w.firstPainted = [&d] { d.dispatcher.run(std::exchange(d.afterFirstPaint, {})); };
    w.centre();
    w.show();
    const int code = QApplication::exec();
    // The event loop ends when the last window has closed.
    impl_->destroy(form);
    impl_->built = nullptr;
    return code;
}

QWidget* QtPlatform::build(ui::Form& form) {
    impl_->built = &form;
    impl_->build(form);
    return impl_->window.get();
}

void QtPlatform::close() {
    Impl& d = *impl_;
    if (!d.window || !d.built) return;
    if (d.window->isVisible()) {
        if (!d.window->close()) return;
    } else if (!d.closeRequested(*d.built)) {
        return;
    }
    d.destroy(*d.built);
    d.built = nullptr;
}

std::optional<int> QtPlatform::claimSingleInstance(const std::string& program) {
    Impl& d = *impl_;
    if (d.services.dataDir.empty()) return std::nullopt;  // no saves to share, so nothing to keep apart
    d.single = std::make_unique<SingleInstance>(d.services.dataDir, program);
    d.single->onAnotherStart = [&d](const std::string& token) { d.bringToFront(token); };
    d.single->inFront = [&d] { return d.window && d.window->isActiveWindow(); };
    switch (d.single->claim()) {
        case SingleInstance::Claim::First:
            return std::nullopt;
        case SingleInstance::Claim::HandedOver:
            return 0;
        case SingleInstance::Claim::NotRaised:
            // The desktop keeps the running window where it is (Wayland without the launcher's token): say
            // so.
            d.dialogs.setAppTitle(program);
            d.dialogs.message(base::fillIn(
                base::translate("Errors",
                                "%1 はすでに起動しています。開いているウィンドウをお使いください。"),
                program));
            return 0;
        case SingleInstance::Claim::NoAnswer:
            break;
    }
    d.dialogs.setAppTitle(program);
    d.dialogs.error(
        base::fillIn(base::translate("Errors",
                                     "%1 はすでにこのセーブフォルダ (%2) で動いていますが、応答がありません。"
                                     "そちらを終了してから起動し直してください."),
                     program, d.services.dataDir));
    return 1;
}

void QtPlatform::afterFirstPaint(std::function<void()> fn) {
    impl_->afterFirstPaint = std::move(fn);
}

void QtPlatform::endSession() {
    impl_->endSession();
}

QWidget* QtPlatform::widgetOf(const ui::Control& control) const {
    if (!impl_->window) return nullptr;
    ControlView* v = impl_->window->viewOf(control);
    return v ? &v->widget() : nullptr;
}

void QtPlatform::interceptDialogs(ui::Dialogs* d) {
    impl_->dialogs.intercept(d);
}

}  // namespace ui::qt
