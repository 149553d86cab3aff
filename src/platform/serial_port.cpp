#include "platform/serial_port.h"

#include <QDeadlineTimer>

namespace tonalink {
namespace {

constexpr int kWriteWaitMs = 1000;
constexpr int kAnswerWaitMs = 2000;
// The modem's input queue: what piles up beyond it between two reads waits in the driver.
constexpr qint64 kReadBufferBytes = 4096;

} // namespace

QString SerialPort::openFailedText() {
    return tr("COMポートがオープンできません\n設定を変更し再起動してください。");
}

QString SerialPort::noAnswerText() {
    return tr("モデムが応答しません");
}

SerialPort::SerialPort(FailureHandler onFailure, AnswerHandler onAnswer)
    : m_onFailure(std::move(onFailure)), m_onAnswer(std::move(onAnswer)) {
    m_port.setReadBufferSize(kReadBufferBytes);
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { readReplies(); });
    m_answerCheck.setSingleShot(true);
    QObject::connect(&m_answerCheck, &QTimer::timeout, &m_port, [this] { checkAnswered(); });
}

SerialPort::~SerialPort() {
    close();
}

int SerialPort::open(int comIndex, const std::array<std::string, 8>& devices) {
    close();
    const bool known = comIndex >= 0 && comIndex < static_cast<int>(devices.size()) &&
                       !devices[static_cast<std::size_t>(comIndex)].empty();
    if (known) {
        m_port.setPortName(QString::fromStdString(devices[static_cast<std::size_t>(comIndex)]));
        m_port.setBaudRate(QSerialPort::Baud2400);
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    }
    if (!known || !m_port.open(QIODevice::ReadWrite)) {
        m_port.clearError();
        if (m_onFailure)
            m_onFailure(openFailedText());
        return 0;
    }
    m_replies = ModemReplies();
    m_answerCheck.start(kAnswerWaitMs);
    writeLine(resetLine());
    return 1;
}

void SerialPort::close() {
    m_answerCheck.stop();
    if (!m_port.isOpen())
        return;
    // A pseudo-terminal has no DTR line and reports the call as unsupported.
    if (!m_port.setDataTerminalReady(false))
        m_port.clearError();
    m_port.close();
    m_port.clearError();
}

bool SerialPort::writeLine(const std::string& line) {
    if (!m_port.isOpen())
        return false;
    // A line still queued after its wait is abandoned, so lines never run together late.
    if (m_port.bytesToWrite() > 0)
        m_port.clear(QSerialPort::Output);
    // Before the bytes go: a reply read while the write is awaited answers this line.
    m_replies.commandWritten(line);
    if (m_port.write(line.data(), static_cast<qint64>(line.size())) <= 0) {
        m_port.clearError();
        return false;
    }
    // waitForBytesWritten returns after each chunk the driver takes, not after the whole line.
    const QDeadlineTimer deadline(kWriteWaitMs);
    while (m_port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!m_port.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            break;
    }
    // A slow modem still draining is no failure; a port that went away is.
    const bool failed =
        m_port.error() == QSerialPort::ResourceError || m_port.error() == QSerialPort::WriteError;
    m_port.clearError();
    return !failed;
}

void SerialPort::readReplies() {
    std::optional<std::string> fault;
    char buffer[512];
    for (qint64 got; (got = m_port.read(buffer, sizeof buffer)) > 0;) {
        std::optional<std::string> reply =
            m_replies.feed(std::string_view(buffer, static_cast<std::size_t>(got)));
        if (!fault)
            fault = std::move(reply);
    }
    if (m_silent && m_replies.answeredSinceReset()) {
        m_silent = false;
        if (m_onAnswer)
            m_onAnswer(true);
    }
    // From the event loop, never from inside a write that awaits its bytes (where
    // replies are read too): the call the fault ends writes its hang-up line.
    if (fault)
        QMetaObject::invokeMethod(
            &m_port, [this, reason = *fault] { reportFault(reason); }, Qt::QueuedConnection);
}

void SerialPort::checkAnswered() {
    if (!m_port.isOpen() || m_replies.answeredSinceReset())
        return;
    m_silent = true;
    if (m_onAnswer)
        m_onAnswer(false);
}

} // namespace tonalink
