// The lock file and the local socket between two copies of a program.
#include "ui/qt/SingleInstance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <thread>

#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

constexpr int kAnswerMs = 1000;  // the running copy answers at once unless it is stopped or hung
constexpr int kRetryMs = 100;    // it may hold the lock a moment before it listens
constexpr const char* kRaise = "raise\n";
constexpr const char* kAnswer = "ok\n";

// The folder for the socket: this user's runtime folder ($XDG_RUNTIME_DIR, else the one Qt makes), and only
// when it is a folder of this user's that nobody else may enter, so that no other user can listen in our
// place. "" when there is none.
std::string privateRuntimeDir() {
    const std::string dir = utf8(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    struct stat st {};
    if (dir.empty() || ::lstat(dir.c_str(), &st) != 0) return "";
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 0077) != 0) return "";
    return dir;
}

// A socket path in the private runtime folder, named after the save folder ("" when there is no such folder).
std::string socketPathFor(const std::string& folder, const std::string& program) {
    const std::string dir = privateRuntimeDir();
    if (dir.empty()) return "";
    const QString canonical = QFileInfo(qs(folder)).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash((canonical.isEmpty() ? qs(folder) : canonical).toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(16);
    return dir + "/" + program + "-" + hash.toStdString() + ".sock";
}

// Asks the copy listening at path to come forward; true once it has answered, within kAnswerMs in all.
bool askToComeForward(const std::string& path) {
    if (path.empty()) return false;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&clock] { return std::max<qint64>(0, kAnswerMs - clock.elapsed()); };
    while (left() > 0) {
        QLocalSocket socket;
        socket.connectToServer(qs(path));
        if (!socket.waitForConnected(static_cast<int>(left()))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min<qint64>(kRetryMs, left())));
            continue;
        }
        socket.write(kRaise);
        while (!socket.canReadLine() && left() > 0 && socket.state() == QLocalSocket::ConnectedState)
            socket.waitForReadyRead(static_cast<int>(left()));
        return socket.canReadLine() && socket.readLine() == kAnswer;
    }
    return false;
}

}  // namespace

SingleInstance::SingleInstance(const std::string& saveFolder, const std::string& program)
    : lockPath_(saveFolder + "dat/." + program + ".lock"), socketPath_(socketPathFor(saveFolder, program)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim() {
    lock_ = std::make_unique<base::InstanceLock>(lockPath_);
    if (lock_->state() == base::InstanceLock::State::Taken)
        return askToComeForward(socketPath_) ? Claim::HandedOver : Claim::NoAnswer;
    if (lock_->state() == base::InstanceLock::State::Unusable || socketPath_.empty()) return Claim::First;
    // Holding the lock makes any socket left at the path a crashed copy's.
    QLocalServer::removeServer(qs(socketPath_));
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            s->write(kAnswer);
            s->disconnectFromServer();  // after the answer is written
            if (onAnotherStart) onAnotherStart();
        }
    });
    server_->listen(qs(socketPath_));
    return Claim::First;
}

}  // namespace ui::qt
