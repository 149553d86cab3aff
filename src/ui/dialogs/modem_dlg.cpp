#include "ui/dialogs/modem_dlg.h"

#include "core/modem/sip_line.h"
#include "ui/dialogs/dialog_exchange.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/int_edit.h"
#include "ui/widgets/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tonalink {
namespace {

template <class T> T* withId(T* control, int id) {
    setControlId(control, id);
    return control;
}

// A number box with its up-down control and the "秒" after them.
QSpinBox* addSecondsRow(QGridLayout* grid, int row, const QString& label, int editId,
                        QWidget* parent) {
    QSpinBox* edit = makeIntEdit(parent, editId);
    edit->setFixedWidth(DialogUnits(parent->font()).x(32));
    if (!label.isEmpty())
        grid->addWidget(new QLabel(label, parent), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("CModemDlg", "秒"), parent), row, 2);
    grid->setColumnStretch(3, 1);
    return edit;
}

bool takeInto(QLineEdit* edit, std::string& to) {
    std::optional<std::string> text = takeText(edit);
    if (text)
        to = std::move(*text);
    return text.has_value();
}

bool takeInto(QSpinBox* edit, IntRange range, int32_t& to) {
    const std::optional<int> value = readIntEdit(edit, range.min, range.max);
    if (value)
        to = *value;
    return value.has_value();
}

} // namespace

CModemDlg::CModemDlg(const ModemValues& values, const std::array<std::string, 8>& devices,
                     QWidget* parent)
    : QDialog(parent), m_values(values) {
    setWindowTitle(tr("モデム・回線の設定"));
    setFont(dialogFont(10));
    buildControls(devices);
    OnInitDialog();
}

void CModemDlg::buildControls(const std::array<std::string, 8>& devices) {
    // Created group by group, so the tab order reads the dialog top to bottom.
    auto* command = new QGroupBox(tr("前値ATｺﾏﾝﾄﾞ"), this);
    m_extCommand = withId(new QLineEdit(command), kExtCommand);
    (new QVBoxLayout(command))->addWidget(m_extCommand);

    auto* line = new QGroupBox(tr("電話回線"), this);
    m_pulse = withId(new QRadioButton(tr("ﾊﾟﾙｽ"), line), kPulse);
    m_tone = withId(new QRadioButton(tr("ﾄｰﾝ"), line), kTone);
    m_ckExtension = withId(new QCheckBox(tr("内線->外線"), line), kCKExtension);
    m_extension = withId(new QLineEdit(line), kExtension);
    auto* lineGrid = new QGridLayout(line);
    lineGrid->addWidget(m_pulse, 0, 0);
    lineGrid->addWidget(m_tone, 0, 1);
    lineGrid->addWidget(m_ckExtension, 1, 0);
    lineGrid->addWidget(m_extension, 1, 1);

    auto* special = new QGroupBox(tr("特殊モデム"), this);
    m_modemSw = withId(new QCheckBox(tr("非分割送信"), special), kModemSw);
    m_keitaiSw = withId(new QCheckBox(tr("携帯電話用モデム"), special), kKeitaiSw);
    auto* specialBox = new QVBoxLayout(special);
    specialBox->addWidget(m_modemSw);
    specialBox->addWidget(m_keitaiSw);

    auto* interval = new QGroupBox(tr("送信間隔"), this);
    auto* intervalGrid = new QGridLayout(interval);
    m_reDialTime = addSecondsRow(intervalGrid, 0, QString(), kReDialTime, interval);

    auto* port = new QGroupBox(tr("COM ﾎﾟｰﾄ"), this);
    m_commPort = withId(new QComboBox(port), kCommPort);
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const QString name = QStringLiteral("COM%1").arg(i + 1);
        // A SIP line is shown by the address it calls, not as a device.
        const auto sipHost = sipLineHost(devices[i]);
        const QString line =
            sipHost ? QStringLiteral("SIP ") + fromCp932(*sipHost) : fromCp932(devices[i]);
        m_commPort->addItem(devices[i].empty() ? name : QStringLiteral("%1  (%2)").arg(name, line));
    }
    (new QVBoxLayout(port))->addWidget(m_commPort);

    auto* pager = new QGroupBox(tr("現在のポケベルの設定"), this);
    m_pagerTypeName = withId(new QLineEdit(pager), kPagerTypeName);
    m_pagerTypeName->setReadOnly(true);
    auto* pagerGrid = new QGridLayout(pager);
    pagerGrid->addWidget(m_pagerTypeName, 0, 0, 1, 4);
    m_waitTime = addSecondsRow(pagerGrid, 1, tr("待機時間"), kWaitTime, pager);
    // Digits only: no sign can be typed.
    m_waitTime->setMinimum(0);
    m_cutTime = addSecondsRow(pagerGrid, 2, tr("切断時間"), kCutTime, pager);

    auto* ok = withId(new QPushButton(QStringLiteral("OK"), this), 1);
    ok->setDefault(true);
    auto* cancel = withId(new QPushButton(tr("ｷｬﾝｾﾙ"), this), 2);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ckExtension, &QCheckBox::clicked, this, [this] { OnExtensionClicked(); });

    auto* left = new QVBoxLayout;
    left->addWidget(command);
    left->addWidget(line);
    left->addWidget(special);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(interval);
    right->addWidget(port);
    right->addWidget(pager);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

void CModemDlg::OnInitDialog() {
    DoDataExchange(false);
    OnExtensionClicked();
}

void CModemDlg::OnExtensionClicked() {
    m_extension->setEnabled(m_ckExtension->isChecked());
}

bool CModemDlg::DoDataExchange(bool saveAndValidate) {
    ModemValues& v = m_values;
    if (!saveAndValidate) {
        m_extCommand->setText(fromCp932(v.ExtCommand));
        // A stored value that is neither leaves both unchecked.
        m_pulse->setChecked(v.PhoneType == 0);
        m_tone->setChecked(v.PhoneType == 1);
        setCheck(m_ckExtension, v.CKExtension);
        m_extension->setText(fromCp932(v.Extension));
        setCheck(m_modemSw, v.ModemSw);
        m_reDialTime->setValue(v.ReDialTime);
        m_commPort->setCurrentIndex(v.CommPort >= 0 && v.CommPort < m_commPort->count() ? v.CommPort
                                                                                        : -1);
        setCheck(m_keitaiSw, v.KeitaiSw);
        m_pagerTypeName->setText(fromCp932(v.PagerTypeName));
        m_waitTime->setValue(v.WaitTime);
        m_cutTime->setValue(v.CutTime);
        // With no pager type chosen there are no times to set.
        m_waitTime->setEnabled(!v.PagerTypeName.empty());
        m_cutTime->setEnabled(!v.PagerTypeName.empty());
        return true;
    }
    ModemValues taken = v;
    if (!takeInto(m_extCommand, taken.ExtCommand))
        return false;
    if (m_pulse->isChecked() || m_tone->isChecked())
        taken.PhoneType = m_tone->isChecked() ? 1 : 0;
    taken.CKExtension = check(m_ckExtension);
    if (!takeInto(m_extension, taken.Extension))
        return false;
    taken.ModemSw = check(m_modemSw);
    if (!takeInto(m_reDialTime, kReDialTimeRange, taken.ReDialTime))
        return false;
    // No item chosen (a stored port outside the list) keeps the stored one.
    if (m_commPort->currentIndex() >= 0)
        taken.CommPort = m_commPort->currentIndex();
    taken.KeitaiSw = check(m_keitaiSw);
    if (!v.PagerTypeName.empty() && (!takeInto(m_waitTime, kPagerTimeRange, taken.WaitTime) ||
                                     !takeInto(m_cutTime, kPagerTimeRange, taken.CutTime)))
        return false;
    v = taken;
    return true;
}

void CModemDlg::accept() {
    if (DoDataExchange(true))
        QDialog::accept();
}

} // namespace tonalink
