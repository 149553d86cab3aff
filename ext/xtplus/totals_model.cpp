#include "totals_model.h"

namespace tonalink {

TotalsModel::TotalsModel(QString keyHeader, QObject* parent)
    : QAbstractTableModel(parent), m_keyHeader(std::move(keyHeader)) {}

void TotalsModel::setTotals(std::vector<LogTotal> totals) {
    beginResetModel();
    m_totals = std::move(totals);
    endResetModel();
}

int TotalsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_totals.size());
}

int TotalsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TotalsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LogTotal& total = m_totals[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return total.key.empty() ? tr("（なし）") : QString::fromStdString(total.key);
    case 1:
        return qulonglong(total.records);
    default:
        return qulonglong(total.cancelled);
    }
}

QVariant TotalsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case 0:
        return m_keyHeader;
    case 1:
        return tr("件数");
    default:
        return tr("うちキャンセル");
    }
}

} // namespace tonalink
