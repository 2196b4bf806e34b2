#include "platform/qt/single_instance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {

namespace {

constexpr int answer_ms = 3000;
// How long a later copy waits for a first one that has the lock but does not
// listen yet.
constexpr int starting_ms = 3000;
constexpr int retry_ms = 50;

// The session's runtime folder when it is one of the user's own that no one
// else may write; else the temporary folder.
std::string runtime_base() {
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (runtime != nullptr && runtime[0] == '/' && ::lstat(runtime, &info) == 0 &&
        S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0)
        return runtime;
    const char *temp = std::getenv("TMPDIR");
    return temp != nullptr && temp[0] == '/' ? temp : "/tmp";
}

// The token a launcher hands the program so that the desktop lets its window
// come forward; empty when there is none.
QByteArray launch_token() {
    return qgetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace

Single_Instance::Single_Instance(const std::string &record_path) : lock_(record_path) {}

Single_Instance::~Single_Instance() {
    server_.close();
    if (!folder_.isEmpty())
        ::rmdir(folder_.constData());
}

Single_Instance::Claim Single_Instance::claim() {
    for (QDeadlineTimer starting(starting_ms);; QThread::msleep(retry_ms)) {
        switch (lock_.state()) {
        case Record_Lock::State::Unavailable:
            std::fprintf(stderr, "%s\n",
                         QCoreApplication::translate(
                             "Program", "plenk: the player record cannot be locked; another "
                                        "copy of the game could save over this one's results")
                             .toLocal8Bit()
                             .constData());
            [[fallthrough]];
        case Record_Lock::State::Ours:
            listen();
            return Claim::First;
        case Record_Lock::State::Another_Copys:
            break;
        }
        const std::string socket_path = lock_.note();
        if (!socket_path.empty() && ask_to_show(QString::fromStdString(socket_path)))
            return Claim::First_Shown;
        if (starting.hasExpired())
            return Claim::Unanswered;
        lock_.retry();
    }
}

// In a folder of its own made for it, which no one else can have made first:
// a socket that cannot be made leaves the game running, unreachable.
void Single_Instance::listen() {
    std::string folder = runtime_base() + "/plenk-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr)
        return;
    folder_ = QByteArray::fromStdString(folder);
    const QString socket_path = QFile::decodeName(folder_) + QStringLiteral("/socket");
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socket_path))
        return;
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
    lock_.leave_note(QFile::encodeName(socket_path).toStdString());
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
