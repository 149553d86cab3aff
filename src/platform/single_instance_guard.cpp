#include "platform/single_instance_guard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace tonalink {

namespace {

QString runtimeFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& name, QObject* parent)
    : QObject(parent), m_name(name), m_dir(runtimeFolder()), m_lock(lockPath()) {
    // Only a dead owner makes the lock stale, never its age: a program may run for weeks.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::onNewConnection);
}

bool SingleInstanceGuard::acquire() {
    if (m_primary)
        return true;
    if (!m_lock.tryLock(0))
        return false;
    m_primary = true;
    // A socket file left by a crashed run would make listen() fail; the lock says it is ours.
    QLocalServer::removeServer(serverPath());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(serverPath());
    return true;
}

bool SingleInstanceGuard::notifyRunningInstance(int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    // The running copy may hold the lock a moment before it listens: retry briefly.
    while (clock.elapsed() < timeoutMs) {
        QLocalSocket socket;
        socket.connectToServer(serverPath());
        if (socket.waitForConnected(qMax(1, timeoutMs - int(clock.elapsed())))) {
            socket.write("activate\n");
            const bool sent = socket.waitForBytesWritten(qMax(1, timeoutMs - int(clock.elapsed())));
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstanceGuard::onNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        // The connection itself is the request; what it says does not matter.
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
        if (socket->state() == QLocalSocket::UnconnectedState)
            socket->deleteLater();
        emit activationRequested();
    }
}

} // namespace tonalink
