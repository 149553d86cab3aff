#include "send_log_table_model.h"

#include <QColor>

namespace tonalink {
namespace {

const std::vector<SendLogRecord> kNoRecords;

QString headerOf(LogColumn column) {
    switch (column) {
    case LogColumn::Date:
        return SendLogTableModel::tr("日付");
    case LogColumn::Time:
        return SendLogTableModel::tr("時刻");
    case LogColumn::CallNo:
        return SendLogTableModel::tr("呼出番号");
    case LogColumn::Name:
        return SendLogTableModel::tr("名前");
    case LogColumn::Type:
        return SendLogTableModel::tr("機種");
    case LogColumn::Message:
        return SendLogTableModel::tr("メッセージ");
    case LogColumn::Command:
        return SendLogTableModel::tr("コマンド");
    }
    return {};
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void SendLogTableModel::setContents(std::shared_ptr<const SendLogContents> contents) {
    m_contents = std::move(contents);
    refill();
}

void SendLogTableModel::setFilter(const SendLogFilter& filter) {
    m_filter = filter;
    refill();
}

const std::vector<SendLogRecord>& SendLogTableModel::records() const {
    return m_contents ? m_contents->records : kNoRecords;
}

void SendLogTableModel::refill() {
    beginResetModel();
    m_rows = filterRecords(records(), m_filter);
    sortRows(records(), m_rows, static_cast<LogColumn>(m_sortColumn),
             m_sortOrder == Qt::DescendingOrder);
    endResetModel();
}

int SendLogTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SendLogTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kLogColumnCount);
}

QVariant SendLogTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SendLogRecord& record = records()[m_rows[static_cast<std::size_t>(index.row())]];
    const auto column = static_cast<LogColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        // One line per row: a line break of the message shows as a mark.
        return utf8(record.field(column)).replace(QLatin1Char('\n'), QStringLiteral("↵"));
    case Qt::ToolTipRole:
        if (column == LogColumn::Message)
            return utf8(record.field(column));
        return record.cancelled ? QVariant(tr("キャンセルされた送信")) : QVariant();
    case Qt::BackgroundRole:
        return record.cancelled ? QVariant(QColor(255, 226, 222)) : QVariant();
    default:
        return {};
    }
}

QVariant SendLogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    // Rows are numbered by their line in the file, as the unreadable lines are.
    if (orientation == Qt::Vertical)
        return section < rowCount()
                   ? QVariant(qulonglong(records()[m_rows[std::size_t(section)]].lineNumber))
                   : QVariant();
    return headerOf(static_cast<LogColumn>(section));
}

void SendLogTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    refill();
}

} // namespace tonalink
