#pragma once

#include "core/modem/send_log_query.h"

#include <QAbstractTableModel>
#include <memory>

namespace tonalink {

// The records of one read of bell.log, through a filter and in the order the
// user sorted them. Only indexes change when the filter or the order does.
class SendLogTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setContents(std::shared_ptr<const SendLogContents> contents);
    void setFilter(const SendLogFilter& filter);

    const std::vector<SendLogRecord>& records() const;
    const LogRows& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    void refill();

    std::shared_ptr<const SendLogContents> m_contents;
    SendLogFilter m_filter;
    LogRows m_rows;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace tonalink
