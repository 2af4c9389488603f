// Turns SIGTERM, SIGINT and SIGHUP into a call on the UI thread, so that `kill`, Ctrl+C in a terminal and the
// end of the desktop session close the program as its close box does instead of killing it mid-save.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace ui::qt {

// One per program. The signal handler only writes the signal's number into a pipe (async-signal-safe); the
// event loop reads it and calls onSignal with it. A second signal while the first is still being handled is
// read after it; the handler decides what a repeated request means.
class SignalBridge : public QObject {
  public:
    explicit SignalBridge(std::function<void(int)> onSignal);
    ~SignalBridge() override;
    SignalBridge(const SignalBridge&) = delete;
    SignalBridge& operator=(const SignalBridge&) = delete;

  private:
    void readSignals();

    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace ui::qt
