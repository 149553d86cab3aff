#pragma once

#include "core/modem/line_sink.h"

#include <QSerialPort>
#include <QString>
#include <array>
#include <functional>
#include <string>

namespace tonalink {

// The modem's serial port: 2400 baud, 8N1, no flow control. Only ever written
// to; what the modem answers is read and dropped so it cannot pile up.
class SerialPort final : public LineSink {
public:
    // Receives the text to show when the port cannot be opened.
    using FailureHandler = std::function<void(const QString& message)>;

    static inline const QString kOpenFailedText =
        QStringLiteral("COMポートがオープンできません\n設定を変更し再起動してください。");

    explicit SerialPort(FailureHandler onFailure);
    ~SerialPort() override;

    // Opens COM(index + 1) at devices[index] and writes the reset line. Returns 1,
    // or 0 after telling the failure handler; an index outside 0..7 fails the same way.
    int open(int comIndex, const std::array<std::string, 8>& devices);
    // Drops DTR, which makes the modem hang up, then closes. Safe when not open.
    void close();
    bool isOpen() const override { return m_port.isOpen(); }

    // Writes the bytes as given, waiting at most 1000 ms. False while closed or
    // when the port refuses the bytes.
    bool writeLine(const std::string& line) override;

private:
    FailureHandler m_onFailure;
    QSerialPort m_port;
};

} // namespace tonalink
