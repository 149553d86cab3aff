#include "platform/comm_line.h"

#include "core/app/settings.h"
#include "core/app/settings_sip.h"
#include "core/modem/sip_line.h"

#include <QCoreApplication>

namespace tonalink {

CommLine::CommLine(const Settings& settings, FailureHandler onFailure,
                   SerialPort::AnswerHandler onAnswer)
    : m_settings(settings), m_onFailure(onFailure), m_serial(onFailure, std::move(onAnswer)),
      m_sip(onFailure) {
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
    const std::string given = known ? ports[static_cast<std::size_t>(comIndex)] : std::string();
    const std::string line = given.empty() ? given : LineLock::canonicalLine(given);
    if (!line.empty() && !lock(line))
        return 0;
    const std::string prefix = m_settings.CKExtension == 1 ? m_settings.Extension : std::string();
    if (m_onSip) {
        const int opened = m_sip.open(*address, prefix, loadSipAccount(store));
        if (opened == 0)
            m_lock.release();
        return opened;
    }
    // Opened by the device's own name, so its lock is the one every alias shares.
    std::array<std::string, 8> devices = ports;
    if (known)
        devices[static_cast<std::size_t>(comIndex)] = line;
    return m_serial.open(comIndex, devices);
}

void CommLine::close() {
    m_serial.close();
    m_sip.close();
    m_lock.release();
}

bool CommLine::lock(const std::string& line) {
    // The serial port writes its own lock when it opens; a SIP line has none.
    std::optional<LineLock::Holder> holder = LineLock::holder(line);
    if (!holder && (!m_onSip || m_lock.acquire(line, &holder.emplace())))
        return true;
    const QString reason =
        holder->pid > 0
            ? QCoreApplication::translate("CommLine",
                                          "%1 は別のプログラム (PID %2) が使用中です。\n(%3)")
                  .arg(QString::fromStdString(line))
                  .arg(holder->pid)
                  .arg(QString::fromStdString(holder->path))
            : QCoreApplication::translate("CommLine", "%1 のロックファイル %2 を作れません。")
                  .arg(QString::fromStdString(line), QString::fromStdString(holder->path));
    if (m_onFailure)
        m_onFailure(SerialPort::openFailedText().section('\n', 0, 0) + "\n" + reason);
    return false;
}

bool CommLine::isOpen() const {
    return m_onSip ? m_sip.isOpen() : m_serial.isOpen();
}

bool CommLine::writeLine(const std::string& line) {
    return m_onSip ? m_sip.writeLine(line) : m_serial.writeLine(line);
}

} // namespace tonalink
