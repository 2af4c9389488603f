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
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <thread>

#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

constexpr int kAnswerMs = 1500;  // the running copy answers within kFrontMs unless it is stopped or hung
constexpr int kFrontMs = 500;    // how long the running copy waits for the desktop to give it the focus
constexpr int kRetryMs = 100;    // it may hold the lock a moment before it listens
constexpr int kPollMs = 25;
constexpr qint64 kMaxLine = 512;  // "raise", a blank and an activation token
constexpr const char* kRaise = "raise";
constexpr const char* kAnswer = "ok\n";          // the window came to the front
constexpr const char* kNotRaised = "running\n";  // the desktop did not let it

// An activation token as the desktop hands it out: printable ASCII without blanks, else nothing.
std::string tokenOf(const QByteArray& line) {
    const QByteArray rest =
        line.trimmed().mid(static_cast<int>(std::char_traits<char>::length(kRaise))).trimmed();
    const bool printable = std::all_of(rest.begin(), rest.end(), [](char c) { return c > ' ' && c < 0x7f; });
    return printable ? rest.toStdString() : std::string();
}

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

// Asks the copy listening at path to come forward, handing on the activation token of this start.
SingleInstance::Claim askToComeForward(const std::string& path) {
    if (path.empty()) return SingleInstance::Claim::NoAnswer;
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    const QByteArray request = QByteArray(kRaise) + (token.isEmpty() ? "" : " " + token) + "\n";
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
        socket.write(request);
        while (!socket.canReadLine() && left() > 0 && socket.state() == QLocalSocket::ConnectedState)
            socket.waitForReadyRead(static_cast<int>(left()));
        if (!socket.canReadLine()) return SingleInstance::Claim::NoAnswer;
        const QByteArray answer = socket.readLine();
        if (answer == kAnswer) return SingleInstance::Claim::HandedOver;
        return answer == kNotRaised ? SingleInstance::Claim::NotRaised : SingleInstance::Claim::NoAnswer;
    }
    return SingleInstance::Claim::NoAnswer;
}

}  // namespace

SingleInstance::SingleInstance(const std::string& saveFolder, const std::string& program)
    : lockPath_(saveFolder + "dat/." + program + ".lock"), socketPath_(socketPathFor(saveFolder, program)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim() {
    lock_ = std::make_unique<base::InstanceLock>(lockPath_);
    if (lock_->state() == base::InstanceLock::State::Taken) return askToComeForward(socketPath_);
    if (lock_->state() == base::InstanceLock::State::Unusable || socketPath_.empty()) return Claim::First;
    // Holding the lock makes any socket left at the path a crashed copy's.
    QLocalServer::removeServer(qs(socketPath_));
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QLocalSocket::readyRead, s, [this, s] { answer(s); });
            if (s->canReadLine()) answer(s);
        }
    });
    server_->listen(qs(socketPath_));
    return Claim::First;
}

// The later copy's request: the window is brought forward, and the later copy told whether it came within
// kFrontMs. A copy that sends more than a line, or nothing, is dropped.
void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxLine) socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(kMaxLine + 1);
    QObject::disconnect(socket, &QLocalSocket::readyRead, nullptr, nullptr);
    if (!line.startsWith(kRaise)) {
        socket->abort();
        return;
    }
    if (onAnotherStart) onAnotherStart(tokenOf(line));
    QElapsedTimer waited;
    waited.start();
    auto* poll = new QTimer(socket);
    const auto reply = [this, socket, poll, waited] {
        const bool front = !inFront || inFront();
        if (!front && waited.elapsed() < kFrontMs) return;
        poll->stop();
        socket->write(front ? kAnswer : kNotRaised);
        socket->disconnectFromServer();  // after the answer is written
    };
    QObject::connect(poll, &QTimer::timeout, socket, reply);
    poll->start(kPollMs);
}

}  // namespace ui::qt
