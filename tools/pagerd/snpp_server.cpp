#include "snpp_server.h"

#include <QTcpSocket>
#include <QTimer>

namespace tonalink::pagerd {

struct SnppServer::Client {
    Client(snpp::Gateway& gateway, QTcpSocket* s) : socket(s), session(gateway) {}
    QTcpSocket* socket;
    snpp::Session session;
    QByteArray pending;    // bytes after the last complete line
    bool skipping = false; // inside a line that was too long
    QTimer idle;
};

SnppServer::SnppServer(snpp::Gateway& gateway, EventLog log)
    : m_gateway(gateway), m_log(std::move(log)) {
    connect(&m_server, &QTcpServer::newConnection, this, &SnppServer::accept);
}

SnppServer::~SnppServer() {
    for (auto& [socket, client] : m_clients)
        socket->disconnect(this);
}

bool SnppServer::listen(const QHostAddress& address, quint16 port, QString* error) {
    if (m_server.listen(address, port))
        return true;
    *error = m_server.errorString();
    return false;
}

void SnppServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (m_clients.size() >= kMaxClients) {
            socket->write("421 Too Many Connections, Goodbye\r\n");
            socket->disconnectFromHost();
            m_log("client refused: " + std::to_string(kMaxClients) + " connected already");
            continue;
        }
        auto client = std::make_unique<Client>(m_gateway, socket);
        Client& c = *client;
        m_clients.emplace(socket, std::move(client));
        connect(socket, &QTcpSocket::readyRead, this, [this, &c] { read(c); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
        c.idle.setSingleShot(true);
        connect(&c.idle, &QTimer::timeout, this, [socket] {
            socket->write("421 Timeout, Goodbye\r\n");
            socket->disconnectFromHost();
        });
        c.idle.start(kIdleTimeoutMs);
        socket->write(QByteArray::fromStdString(snpp::Session::greeting()));
    }
}

void SnppServer::read(Client& client) {
    client.idle.start(kIdleTimeoutMs);
    client.pending += client.socket->readAll();
    qsizetype start = 0;
    for (qsizetype end; (end = client.pending.indexOf('\n', start)) >= 0; start = end + 1) {
        if (client.skipping) {
            client.skipping = false;
            continue;
        }
        QByteArray line = client.pending.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        const std::string reply = client.session.onLine(line.toStdString());
        client.socket->write(QByteArray::fromStdString(reply));
        if (client.session.ended()) {
            client.socket->disconnectFromHost();
            return;
        }
    }
    client.pending.remove(0, start);
    if (client.pending.size() > kMaxLineBytes) {
        client.pending.clear();
        if (!client.skipping)
            client.socket->write("500 Line Too Long\r\n");
        client.skipping = true;
    }
}

void SnppServer::drop(QTcpSocket* socket) {
    // Not at once: the client's own timer or reader may be what is running now.
    QTimer::singleShot(0, this, [this, socket] { m_clients.erase(socket); });
}

} // namespace tonalink::pagerd
