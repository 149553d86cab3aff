#include "platform/serial_port.h"

#include <QDeadlineTimer>

namespace tonalink {
namespace {

constexpr int kWriteWaitMs = 1000;
constexpr char kResetLine[] = "ATZ0\r\n";

} // namespace

SerialPort::SerialPort(FailureHandler onFailure) : m_onFailure(std::move(onFailure)) {
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { m_port.readAll(); });
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
            m_onFailure(kOpenFailedText);
        return 0;
    }
    writeLine(kResetLine);
    return 1;
}

void SerialPort::close() {
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

} // namespace tonalink
