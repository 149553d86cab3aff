#pragma once

#include "core/modem/send_log_query.h"

#include <QDate>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;

namespace tonalink {

// The controls that choose which records show: a date range, a callee, a pager
// type and how cancelled records are treated.
class LogFilterBar final : public QWidget {
    Q_OBJECT
public:
    explicit LogFilterBar(QWidget* parent = nullptr);

    // The choices a log offers; the range starts as the log's first to last day.
    void setChoices(const std::vector<std::string>& callees, const std::vector<std::string>& types,
                    QDate first, QDate last);
    SendLogFilter filter() const;

signals:
    void changed();

private:
    QCheckBox* m_useDates;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QComboBox* m_callee;
    QComboBox* m_type;
    QComboBox* m_cancelled;
};

} // namespace tonalink
