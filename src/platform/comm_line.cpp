#include "platform/comm_line.h"

#include "core/app/settings.h"
#include "core/modem/sip_address.h"

namespace tonalink {

CommLine::CommLine(const Settings& settings, FailureHandler onFailure)
    : m_settings(settings), m_serial(onFailure), m_sip(onFailure, [this] {
          return m_settings.CKExtension == 1 ? m_settings.Extension : std::string();
      }) {
    // The lines inside report to whoever runs a call on this one.
    const auto forward = [this](const std::string& reason) { reportFault(reason); };
    m_serial.setFaultHandler(forward);
    m_sip.setFaultHandler(forward);
}

int CommLine::open(int comIndex, const std::array<std::string, 8>& ports, SettingsStore& store) {
    close();
    const bool known = comIndex >= 0 && comIndex < static_cast<int>(ports.size());
    m_onSip = known && isSipLineValue(ports[static_cast<std::size_t>(comIndex)]);
    if (!m_onSip)
        return m_serial.open(comIndex, ports);
    return m_sip.open(ports[static_cast<std::size_t>(comIndex)], store);
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
