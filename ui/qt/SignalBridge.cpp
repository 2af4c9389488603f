// The self-pipe between the signal handlers and the event loop.
#include "ui/qt/SignalBridge.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace ui::qt {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int gPipe[2] = {-1, -1};  // read end, write end; written only by the handler

extern "C" void onSignal(int sig) {
    const int saved = errno;
    const unsigned char n = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t w = ::write(gPipe[1], &n, 1);  // a full pipe already holds a request
    errno = saved;
}

}  // namespace

SignalBridge::SignalBridge(std::function<void(int)> onSignal) : onSignal_(std::move(onSignal)) {
    if (gPipe[0] < 0 && ::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(gPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readSignals(); });
    struct sigaction sa {};
    sa.sa_handler = ui::qt::onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : kSignals) ::sigaction(sig, &sa, nullptr);
}

SignalBridge::~SignalBridge() {
    struct sigaction sa {};
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    for (int sig : kSignals) ::sigaction(sig, &sa, nullptr);
}

void SignalBridge::readSignals() {
    unsigned char buf[16];
    ssize_t n;
    while ((n = ::read(gPipe[0], buf, sizeof buf)) > 0)
        for (ssize_t i = 0; i < n; ++i)
            if (onSignal_) onSignal_(buf[i]);
}

}  // namespace ui::qt
