#include "log_filter_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

namespace tonalink {
namespace {

QString allText() {
    return LogFilterBar::tr("すべて");
}

int32_t dateKey(QDate date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

QDateEdit* dateEdit(const char* name, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit->setCalendarPopup(true);
    edit->setEnabled(false);
    // The style's hint leaves no room for a wide font's digits beside the arrow.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) +
                          edit->fontMetrics().height() * 2 + 8);
    return edit;
}

QComboBox* comboBox(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    // Sizing by contents would measure every callee of a long log.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

// Item 0 is "all"; the others carry their key as UTF-8 bytes.
void fill(QComboBox* box, const std::vector<std::string>& keys) {
    box->blockSignals(true);
    box->clear();
    box->addItem(allText());
    for (const auto& key : keys)
        box->addItem(key.empty() ? LogFilterBar::tr("（なし）") : QString::fromStdString(key),
                     QByteArray::fromStdString(key));
    box->blockSignals(false);
}

std::optional<std::string> chosenKey(const QComboBox* box) {
    if (box->currentIndex() <= 0)
        return std::nullopt;
    return box->currentData().toByteArray().toStdString();
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

LogFilterBar::LogFilterBar(QWidget* parent)
    : QWidget(parent), m_useDates(new QCheckBox(tr("期間(&D)"), this)),
      m_from(dateEdit("fromDate", this)), m_to(dateEdit("toDate", this)),
      m_callee(comboBox("calleeFilter", this)), m_type(comboBox("typeFilter", this)),
      m_cancelled(comboBox("cancelFilter", this)) {
    m_useDates->setObjectName(QStringLiteral("useDates"));
    // In the order of CancelledFilter.
    m_cancelled->addItems({allText(), tr("キャンセルのみ"), tr("キャンセルを除く")});
    fill(m_callee, {});
    fill(m_type, {});

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_useDates);
    row->addWidget(m_from);
    row->addWidget(new QLabel(tr("～"), this));
    row->addWidget(m_to);
    row->addSpacing(12);
    row->addWidget(buddyLabel(tr("相手(&N):"), m_callee, this));
    row->addWidget(m_callee, 1);
    row->addWidget(buddyLabel(tr("機種(&T):"), m_type, this));
    row->addWidget(m_type, 1);
    row->addWidget(buddyLabel(tr("キャンセル(&C):"), m_cancelled, this));
    row->addWidget(m_cancelled);

    connect(m_useDates, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        emit changed();
    });
    for (QDateEdit* edit : {m_from, m_to})
        connect(edit, &QDateEdit::dateChanged, this, &LogFilterBar::changed);
    for (QComboBox* box : {m_callee, m_type, m_cancelled})
        connect(box, &QComboBox::currentIndexChanged, this, &LogFilterBar::changed);
}

void LogFilterBar::setChoices(const std::vector<std::string>& callees,
                              const std::vector<std::string>& types, QDate first, QDate last) {
    fill(m_callee, callees);
    fill(m_type, types);
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->blockSignals(true);
        edit->setDate(edit == m_from ? first : last);
        edit->blockSignals(false);
    }
}

SendLogFilter LogFilterBar::filter() const {
    SendLogFilter filter;
    if (m_useDates->isChecked()) {
        filter.fromDate = dateKey(m_from->date());
        filter.toDate = dateKey(m_to->date());
    }
    filter.callee = chosenKey(m_callee);
    filter.type = chosenKey(m_type);
    filter.cancelled = static_cast<CancelledFilter>(m_cancelled->currentIndex());
    return filter;
}

} // namespace tonalink
