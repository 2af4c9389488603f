// One copy of a program per save folder: the first holds a lock in the folder and listens on a local
// socket in this user's private runtime folder; a later one finds the lock taken, asks the first to bring
// its window to the front (handing on the desktop's activation token, which Wayland asks for) and ends. No
// socket is made in a folder other users may write to.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "base/InstanceLock.h"

class QLocalServer;
class QLocalSocket;

namespace ui::qt {

class SingleInstance : public QObject {
  public:
    // saveFolder ends with '/'; the lock is saveFolder + "dat/.<program>.lock".
    SingleInstance(const std::string& saveFolder, const std::string& program);
    ~SingleInstance() override;

    enum class Claim {
        First,       // go on: this is the first copy, or the folder allows no lock (nor saves) at all
        HandedOver,  // another copy runs on these saves and came to the front
        NotRaised,   // another copy runs on these saves but could not come to the front (the desktop refused)
        NoAnswer,    // another copy holds the saves but did not answer within about a second
    };
    Claim claim();
    // Called on the UI thread when a later copy asked this one to show itself, with the activation token the
    // later copy was started with ("" when none).
    std::function<void(const std::string& activationToken)> onAnotherStart;
    // Whether the window has the desktop's focus: the later copy is told once it has, or that it could not.
    std::function<bool()> inFront;

  private:
    void answer(QLocalSocket* socket);
    std::string lockPath_;
    std::string socketPath_;
    std::unique_ptr<base::InstanceLock> lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace ui::qt
