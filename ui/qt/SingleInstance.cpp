// The lock file and the local socket between two copies of a program.
#include "ui/qt/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

constexpr int kConnectMs = 300;  // per try to reach the running copy
constexpr int kTries = 3;        // it may hold the lock a moment before it listens
constexpr const char* kRaise = "raise\n";

// A socket path private to this user where the desktop gives one, named after the save folder.
std::string socketPathFor(const std::string& folder, const std::string& program) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    QString dir = runtime && *runtime && QFileInfo(QString::fromUtf8(runtime)).isDir()
                      ? QString::fromUtf8(runtime)
                      : QDir::tempPath();
    const QString canonical = QFileInfo(qs(folder)).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash((canonical.isEmpty() ? qs(folder) : canonical).toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(16);
    return utf8(dir) + "/" + program + "-" + std::to_string(::getuid()) + "-" + hash.toStdString() + ".sock";
}

}  // namespace

SingleInstance::SingleInstance(const std::string& saveFolder, const std::string& program)
    : lockPath_(saveFolder + "dat/." + program + ".lock"), socketPath_(socketPathFor(saveFolder, program)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim() {
    lock_ = std::make_unique<base::InstanceLock>(lockPath_);
    if (lock_->state() == base::InstanceLock::State::Taken) {
        for (int i = 0; i < kTries; ++i) {
            QLocalSocket socket;
            socket.connectToServer(qs(socketPath_));
            if (socket.waitForConnected(kConnectMs)) {
                socket.write(kRaise);
                socket.waitForBytesWritten(kConnectMs);
                socket.disconnectFromServer();
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(kConnectMs / 3));
        }
        return false;
    }
    if (lock_->state() == base::InstanceLock::State::Unusable) return true;
    // Holding the lock makes any socket left at the path a crashed copy's.
    QLocalServer::removeServer(qs(socketPath_));
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            s->disconnectFromServer();
            if (onAnotherStart) onAnotherStart();
        }
    });
    server_->listen(qs(socketPath_));
    return true;
}

}  // namespace ui::qt
