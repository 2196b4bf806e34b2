#include "platform/qt/single_instance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>
#include <QWidget>

namespace plenk {

namespace {

Q_LOGGING_CATEGORY(instance_log, "plenk.instance", QtWarningMsg)
Q_LOGGING_CATEGORY(lock_log, "plenk.lock", QtWarningMsg)

constexpr int answer_ms = 3000;
// How long a later copy waits for a first one that has the lock but does not
// listen yet.
constexpr int starting_ms = 3000;
constexpr int retry_ms = 50;

// The token a launcher hands the program so that the desktop lets its window
// come forward; empty when there is none.
QByteArray launch_token() {
    return qgetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace

Single_Instance::Single_Instance(const std::string &record_path) : lock_(record_path) {}

Single_Instance::~Single_Instance() {
    server_.close();
}

Single_Instance::Claim Single_Instance::claim() {
    for (QDeadlineTimer starting(starting_ms);; QThread::msleep(retry_ms)) {
        switch (lock_.state()) {
        case Record_Lock::State::Unavailable: {
            const QString told = QCoreApplication::translate(
                "Program", "plenk: the player record cannot be locked; another "
                           "copy of the game could save over this one's results");
            qCWarning(lock_log).noquote() << told;
            return Claim::First;
        }
        case Record_Lock::State::Ours:
            listen();
            return Claim::First;
        case Record_Lock::State::Another_Copys:
            break;
        }
        const std::string socket_path = lock_.note();
        if (!socket_path.empty() && ask_to_show(QFile::decodeName(socket_path.c_str())))
            return Claim::First_Shown;
        if (starting.hasExpired())
            return Claim::Unanswered;
        lock_.retry();
    }
}

// Beside the locks, in the folder that is the user's alone, so that no one
// else reaches it: a socket that cannot be made leaves the game running,
// unreachable.
void Single_Instance::listen() {
    const std::string path = lock_.socket_path();
    const QString socket_path = QFile::decodeName(path.c_str());
    // One a killed holder of the lock left.
    QLocalServer::removeServer(socket_path);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socket_path)) {
        qCWarning(instance_log) << "a later copy cannot reach this one:" << server_.errorString();
        return;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray request = socket->readLine().trimmed();
                if (!request.startsWith("show") || !show_front(request.mid(5)))
                    return;
                socket->write("shown\n");
                socket->flush();
            });
        }
    });
    if (!lock_.leave_note(path))
        qCWarning(lock_log) << "a later copy cannot find this one: the lock's note is not written";
}

bool Single_Instance::ask_to_show(const QString &socket_path) {
    QLocalSocket socket;
    socket.connectToServer(socket_path);
    if (!socket.waitForConnected(answer_ms))
        return false;
    socket.write("show " + launch_token() + "\n");
    return socket.waitForBytesWritten(answer_ms) && socket.waitForReadyRead(answer_ms) &&
           socket.readLine().startsWith("shown");
}

bool Single_Instance::show_front(const QByteArray &token) {
    QWidget *front = QApplication::activeModalWidget();
    if (front == nullptr)
        front = window_;
    if (front == nullptr)
        return false;
    // Qt's Wayland plugin activates with the token it finds here, then drops it.
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token);
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->show();
    front->raise();
    front->activateWindow();
    return true;
}

void Single_Instance::serve(QWidget *window) {
    window_ = window;
}

} // namespace plenk
