#pragma once

#include "core/modem/line_sink.h"
#include "platform/line_lock.h"
#include "platform/serial_port.h"
#include "platform/sip_line.h"

#include <QString>
#include <array>
#include <functional>
#include <string>

namespace tonalink {

struct Settings;
class SettingsStore;

// The line of the chosen COM port: the serial port of a device, or a SIP line
// when the port's `[Ports]` value reads "sip:HOST[:PORT]". The line is held
// exclusively while open: another program, tool or daemon on it is refused.
class CommLine final : public LineSink {
public:
    using FailureHandler = SerialPort::FailureHandler;

    // `settings` must outlive the line. `onAnswer` hears whether a modem answers
    // (see SerialPort); a SIP line never calls it.
    CommLine(const Settings& settings, FailureHandler onFailure,
             SerialPort::AnswerHandler onAnswer = {});

    // Opens COM(index + 1) as `ports` names it; 1, or 0 after the failure handler
    // (also when another process holds the line).
    // Only a SIP line reads its account, the `[Sip]` section of `store`.
    int open(int comIndex, const std::array<std::string, 8>& ports, SettingsStore& store);
    void close();
    bool isOpen() const override;
    bool writeLine(const std::string& line) override;

private:
    bool lock(const std::string& line);

    const Settings& m_settings;
    FailureHandler m_onFailure;
    LineLock m_lock;
    SerialPort m_serial;
    SipLine m_sip;
    bool m_onSip = false;
};

} // namespace tonalink
