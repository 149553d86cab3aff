#pragma once

#include "core/modem/send_log_query.h"

#include <QAbstractTableModel>

namespace tonalink {

// Totals of the shown records, one row per callee or per day.
class TotalsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    TotalsModel(QString keyHeader, QObject* parent);

    void setTotals(std::vector<LogTotal> totals);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString m_keyHeader;
    std::vector<LogTotal> m_totals;
};

} // namespace tonalink
