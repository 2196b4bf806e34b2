#include "platform/qt/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace plenk {

namespace {

QString runtime_folder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

constexpr int answer_ms = 3000;

} // namespace

Single_Instance::Single_Instance()
    : lock_path_(runtime_folder() + QStringLiteral("/plenk.lock")),
      socket_path_(runtime_folder() + QStringLiteral("/plenk.socket")), lock_(lock_path_) {
    // A lock whose holder no longer runs is taken over at once.
    lock_.setStaleLockTime(0);
}

bool Single_Instance::claim() {
    if (!lock_.tryLock(0)) return false;
    // The lock is ours, so a socket left there is a dead copy's.
    QLocalServer::removeServer(socket_path_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socket_path_);
    QObject::connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            socket->deleteLater();
            QWidget* front = QApplication::activeModalWidget();
            if (front == nullptr) front = window_;
            if (front == nullptr) continue;
            front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
            front->show();
            front->raise();
            front->activateWindow();
            socket->write("shown\n");
            socket->flush();
        }
    });
    return true;
}

bool Single_Instance::ask_first_to_show() {
    QLocalSocket socket;
    socket.connectToServer(socket_path_);
    return socket.waitForConnected(answer_ms) && socket.waitForReadyRead(answer_ms) &&
           socket.readLine().startsWith("shown");
}

void Single_Instance::serve(QWidget* window) { window_ = window; }

} // namespace plenk
