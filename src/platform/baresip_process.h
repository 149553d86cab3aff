#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace tonalink {

// One baresip child process with a configuration of its own in the user's
// runtime folder, driven through its ctrl_tcp module on a loopback port. Never
// waits: commands given before the control connection is up are queued.
class BaresipProcess final : public QObject {
    Q_OBJECT
public:
    static inline const QString kPackage = QStringLiteral("baresip-core");

    struct Config {
        quint16 sipPort = 0;      // 0: any free loopback port
        bool loopbackOnly = true; // listen on 127.0.0.1 only
        QStringList accounts;     // lines of the accounts file; %PORT% is the SIP port
        QString dtmfMode = QStringLiteral("rtpevent");
    };

    explicit BaresipProcess(QObject* parent = nullptr);
    ~BaresipProcess() override;

    static bool installed();
    // False when baresip is missing or its configuration cannot be written.
    bool start(const Config& config);
    // Ends the process (SIGTERM, then SIGKILL after a second).
    void stop();
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    quint16 sipPort() const { return m_sipPort; }

    // One ctrl_tcp command; the answer comes back as an event-less response.
    void command(const QString& name, const QString& params = {});

signals:
    // A call event as ctrl_tcp sends it ("type", "accountaor", "peeruri", "param", ...).
    void callEvent(const QJsonObject& event);
    // The control connection is up: baresip takes commands now.
    void controlReady();
    void exited();

private:
    bool writeConfig(const Config& config, quint16 controlPort);
    void connectControl();
    void readControl();

    QProcess m_process;
    QTcpSocket m_control;
    QTimer m_retry;
    std::unique_ptr<QTemporaryDir> m_dir;
    quint16 m_sipPort = 0;
    quint16 m_controlPort = 0;
    int m_connectAttempts = 0;
    QByteArray m_pending; // commands written once the control connection is up
    QByteArray m_input;
};

} // namespace tonalink
