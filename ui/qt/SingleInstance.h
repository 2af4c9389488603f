// One copy of a program per save folder: the first holds a lock in the folder and listens on a local
// socket; a later one finds the lock taken, asks the first to bring its window to the front and ends.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "base/InstanceLock.h"

class QLocalServer;

namespace ui::qt {

class SingleInstance : public QObject {
  public:
    // saveFolder ends with '/'; the lock is saveFolder + "dat/.<program>.lock".
    SingleInstance(const std::string& saveFolder, const std::string& program);
    ~SingleInstance() override;

    // True when this process may go on: it is the first, or the folder allows no lock at all (then no save
    // can be written there either). False after another running copy was asked to come forward.
    bool claim();
    // Called on the UI thread when a later copy asked this one to show itself.
    std::function<void()> onAnotherStart;

  private:
    std::string lockPath_;
    std::string socketPath_;
    std::unique_ptr<base::InstanceLock> lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace ui::qt
