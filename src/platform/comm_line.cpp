#include "platform/comm_line.h"

#include "core/app/settings.h"
#include "core/app/settings_sip.h"
#include "core/modem/sip_line.h"

namespace tonalink {

CommLine::CommLine(const Settings& settings, FailureHandler onFailure,
                   SerialPort::AnswerHandler onAnswer)
    : m_settings(settings), m_serial(onFailure, std::move(onAnswer)), m_sip(onFailure) {
    // The lines inside report to whoever runs a call on this one.
    const auto forward = [this](const std::string& reason) { reportFault(reason); };
    m_serial.setFaultHandler(forward);
    m_sip.setFaultHandler(forward);
}

int CommLine::open(int comIndex, const std::array<std::string, 8>& ports, SettingsStore& store) {
    close();
    const bool known = comIndex >= 0 && comIndex < static_cast<int>(ports.size());
    const auto address =
        known ? sipLineHost(ports[static_cast<std::size_t>(comIndex)]) : std::nullopt;
    m_onSip = address.has_value();
    if (!m_onSip)
        return m_serial.open(comIndex, ports);
    const std::string prefix = m_settings.CKExtension == 1 ? m_settings.Extension : std::string();
    return m_sip.open(*address, prefix, loadSipAccount(store));
}

void CommLine::close() {
    m_serial.close();
    m_sip.close();
}

bool CommLine::isOpen() const {
    return m_onSip ? m_sip.isOpen() : m_serial.isOpen();
}

bool CommLine::writeLine(const std::string& line) {
    return m_onSip ? m_sip.writeLine(line) : m_serial.writeLine(line);
}

} // namespace tonalink
