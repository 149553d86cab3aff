#pragma once

#include "core/app/modem_settings.h"

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace tonalink {

// The modem and line settings dialog: port, dialling, extra command, outside-line
// prefix, send interval, the special modem modes and the current pager type's wait
// and hold times. It edits a copy; the caller takes the values back after OK.
class CModemDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kExtCommand = 118;
    static constexpr int kPulse = 116;
    static constexpr int kTone = 117;
    static constexpr int kCKExtension = 111;
    static constexpr int kExtension = 110;
    static constexpr int kModemSw = 161;
    static constexpr int kReDialTime = 230;
    static constexpr int kCommPort = 232;
    static constexpr int kKeitaiSw = 266;
    static constexpr int kPagerTypeName = 270;
    static constexpr int kWaitTime = 271;
    static constexpr int kCutTime = 272;

    // Why the line of COM(index + 1) cannot be used, or empty.
    using PortCheck = std::function<QString(int comIndex)>;

    // `devices`: the device each of COM1 .. COM8 stands for, shown beside its name.
    // A newly chosen port that `portCheck` finds unusable is refused on OK.
    CModemDlg(const ModemValues& values, const std::array<std::string, 8>& devices,
              QWidget* parent = nullptr, PortCheck portCheck = {});

    const ModemValues& values() const { return m_values; }
    // Takes the values from the controls; stays open on the first bad box.
    void accept() override;

private:
    void buildControls(const std::array<std::string, 8>& devices);
    // Fills the controls, or with `saveAndValidate` reads them in exchange order;
    // false when a box was refused.
    bool DoDataExchange(bool saveAndValidate);
    void OnInitDialog();
    void OnExtensionClicked();

    ModemValues m_values;
    PortCheck m_portCheck;
    QLineEdit* m_extCommand = nullptr;
    QRadioButton* m_pulse = nullptr;
    QRadioButton* m_tone = nullptr;
    QCheckBox* m_ckExtension = nullptr;
    QLineEdit* m_extension = nullptr;
    QCheckBox* m_modemSw = nullptr;
    QSpinBox* m_reDialTime = nullptr;
    QComboBox* m_commPort = nullptr;
    QCheckBox* m_keitaiSw = nullptr;
    QLineEdit* m_pagerTypeName = nullptr;
    QSpinBox* m_waitTime = nullptr;
    QSpinBox* m_cutTime = nullptr;
};

} // namespace tonalink
