#pragma once

#include "core/snpp/snpp_session.h"

#include <QHostAddress>
#include <QTcpServer>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace tonalink::pagerd {

// Bounds on the clients: lines, connections, silence.
inline constexpr qsizetype kMaxLineBytes = 4096;
inline constexpr std::size_t kMaxClients = 32;
inline constexpr int kIdleTimeoutMs = 10 * 60 * 1000;

// Accepts SNPP clients on one address, several at once, each with its own
// conversation over the shared gateway.
class SnppServer : public QObject {
public:
    using EventLog = std::function<void(const std::string&)>;

    SnppServer(snpp::Gateway& gateway, EventLog log);
    ~SnppServer() override;

    bool listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const { return m_server.serverPort(); }

private:
    struct Client;
    void accept();
    void read(Client& client);
    void drop(QTcpSocket* socket);

    snpp::Gateway& m_gateway;
    EventLog m_log;
    QTcpServer m_server;
    std::map<QTcpSocket*, std::unique_ptr<Client>> m_clients;
};

} // namespace tonalink::pagerd
