#pragma once

#include "core/modem/line_sink.h"
#include "core/modem/modem_replies.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <string>

namespace tonalink {

// The modem's serial port: 2400 baud, 8N1, no flow control. What the modem
// answers is read but never waited for: a reply that fails the part under way is
// reported as the line's fault, with the reply as its reason.
class SerialPort final : public LineSink {
public:
    // Receives the text to show when the port cannot be opened.
    using FailureHandler = std::function<void(const QString& message)>;
    // Told false when nothing but silence followed the reset line for 2 s after
    // the port opened, then true should a reply come after all. Sends go on either
    // way: a modem may have its replies switched off.
    using AnswerHandler = std::function<void(bool answers)>;

    Q_DECLARE_TR_FUNCTIONS(SerialPort)

public:
    static QString openFailedText();
    static QString noAnswerText();

    explicit SerialPort(FailureHandler onFailure, AnswerHandler onAnswer = {});
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
    void readReplies();
    void checkAnswered();

    FailureHandler m_onFailure;
    AnswerHandler m_onAnswer;
    QSerialPort m_port;
    ModemReplies m_replies;
    QTimer m_answerCheck;
    bool m_silent = false; // silence was reported and no reply came since
};

} // namespace tonalink
