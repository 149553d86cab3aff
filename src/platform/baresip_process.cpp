#include "platform/baresip_process.h"

#include <QDir>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <csignal>
#include <sys/prctl.h>

namespace tonalink {
namespace {

constexpr int kConnectRetryMs = 50;
constexpr int kMaxConnectAttempts = 200; // ten seconds for baresip to come up
constexpr int kStopWaitMs = 1000;
constexpr int kMaxFrameBytes = 65536;
constexpr int kMaxLengthDigits = 6;

QString baresipPath() {
    return QStandardPaths::findExecutable(QStringLiteral("baresip"));
}

// A loopback port nobody holds now; `pair` also wants the next port free (baresip
// binds its TLS transport there).
quint16 freeLoopbackPort(bool pair) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        QTcpServer first;
        if (!first.listen(QHostAddress::LocalHost, 0))
            return 0;
        const quint16 port = first.serverPort();
        if (!pair)
            return port;
        QTcpServer second;
        if (port < 65535 && second.listen(QHostAddress::LocalHost, port + 1))
            return port;
    }
    return 0;
}

bool saveText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}

QByteArray netstring(const QByteArray& payload) {
    return QByteArray::number(payload.size()) + ':' + payload + ',';
}

} // namespace

BaresipProcess::BaresipProcess(QObject* parent) : QObject(parent) {
    // Its console (a status line many times a second) is no output of ours.
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    // baresip must not outlive us, however we end.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &BaresipProcess::connectControl);
    connect(&m_control, &QTcpSocket::connected, this, [this] {
        m_retry.stop();
        m_control.write(std::exchange(m_pending, {}));
        emit controlReady();
    });
    connect(&m_control, &QTcpSocket::errorOccurred, this, [this] {
        // baresip opens its control port a moment after it starts.
        if (m_control.state() != QAbstractSocket::ConnectedState && running() &&
            ++m_connectAttempts < kMaxConnectAttempts)
            m_retry.start(kConnectRetryMs);
    });
    connect(&m_control, &QTcpSocket::readyRead, this, &BaresipProcess::readControl);
    connect(&m_process, &QProcess::finished, this, [this] {
        m_control.abort();
        emit exited();
    });
}

BaresipProcess::~BaresipProcess() {
    stop();
}

bool BaresipProcess::installed() {
    return !baresipPath().isEmpty();
}

bool BaresipProcess::start(const Config& config) {
    stop();
    const QString program = baresipPath();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (program.isEmpty() || runtime.isEmpty())
        return false;
    m_dir = std::make_unique<QTemporaryDir>(runtime + QStringLiteral("/tonalink-sip-XXXXXX"));
    m_sipPort = config.sipPort ? config.sipPort : freeLoopbackPort(true);
    m_controlPort = freeLoopbackPort(false);
    if (!m_dir->isValid() || m_sipPort == 0 || m_controlPort == 0 ||
        !writeConfig(config, m_controlPort))
        return false;
    m_connectAttempts = 0;
    m_pending.clear();
    m_input.clear();
    m_process.start(program, {QStringLiteral("-f"), m_dir->path()});
    if (!m_process.waitForStarted())
        return false;
    connectControl();
    return true;
}

bool BaresipProcess::writeConfig(const Config& config, quint16 controlPort) {
    const QString host =
        config.loopbackOnly ? QStringLiteral("127.0.0.1") : QStringLiteral("0.0.0.0");
    // ausine stands in for a sound card; it runs at 48 kHz only, so opus comes
    // first and G.711 stays for far ends that offer nothing else.
    const QString text = QStringLiteral("poll_method epoll\n"
                                        "sip_listen %1:%2\n"
                                        "audio_player ausine,440\n"
                                        "audio_source ausine,440\n"
                                        "audio_alert ausine,440\n"
                                        "module_path /usr/lib/baresip/modules\n"
                                        "module opus.so\n"
                                        "module g711.so\n"
                                        "module ausine.so\n"
                                        "module_app account.so\n"
                                        "module_app menu.so\n"
                                        "module_app ctrl_tcp.so\n"
                                        "ctrl_tcp_listen 127.0.0.1:%3\n"
                                        "dtmf_mode %4\n")
                             .arg(host)
                             .arg(m_sipPort)
                             .arg(controlPort)
                             .arg(config.dtmfMode);
    QString accounts;
    for (const QString& line : config.accounts)
        accounts += QString(line).replace(QStringLiteral("%PORT%"), QString::number(m_sipPort)) +
                    QLatin1Char('\n');
    const QDir dir(m_dir->path());
    return saveText(dir.filePath(QStringLiteral("config")), text) &&
           saveText(dir.filePath(QStringLiteral("accounts")), accounts);
}

void BaresipProcess::stop() {
    m_retry.stop();
    m_control.abort();
    if (running()) {
        m_process.terminate();
        if (!m_process.waitForFinished(kStopWaitMs)) {
            m_process.kill();
            m_process.waitForFinished(kStopWaitMs);
        }
    }
    m_dir.reset();
}

void BaresipProcess::command(const QString& name, const QString& params) {
    const QJsonObject request{{QStringLiteral("command"), name},
                              {QStringLiteral("params"), params},
                              {QStringLiteral("token"), name}};
    const QByteArray frame = netstring(QJsonDocument(request).toJson(QJsonDocument::Compact));
    if (m_control.state() == QAbstractSocket::ConnectedState)
        m_control.write(frame);
    else
        m_pending += frame;
}

void BaresipProcess::connectControl() {
    if (running())
        m_control.connectToHost(QHostAddress::LocalHost, m_controlPort);
}

void BaresipProcess::readControl() {
    m_input += m_control.readAll();
    for (;;) {
        const qsizetype colon = m_input.indexOf(':');
        if (colon < 0) {
            if (m_input.size() > kMaxLengthDigits)
                m_input.clear(); // no frame starts like this: resynchronise
            return;
        }
        bool ok = false;
        const int length = m_input.left(colon).toInt(&ok);
        if (!ok || colon > kMaxLengthDigits || length < 0 || length > kMaxFrameBytes) {
            m_input.clear();
            return;
        }
        if (m_input.size() < colon + 1 + length + 1)
            return;
        const QJsonObject message =
            QJsonDocument::fromJson(m_input.mid(colon + 1, length)).object();
        m_input.remove(0, colon + 1 + length + 1);
        if (message.value(QStringLiteral("event")).toBool() &&
            message.value(QStringLiteral("class")).toString() == QStringLiteral("call"))
            emit callEvent(message);
    }
}

} // namespace tonalink
