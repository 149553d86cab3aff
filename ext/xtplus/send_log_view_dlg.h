#pragma once

#include "core/modem/send_log_reader.h"

#include <QDialog>
#include <atomic>
#include <memory>

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;
class QThread;

namespace tonalink {

class LogFilterBar;
class SendLogTableModel;
class TotalsModel;

// The send-log viewer: bell.log as a table, with filters, totals and export. The
// file is read on a worker thread so a long log never freezes the window.
class CSendLogViewDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CSendLogViewDlg(QString logPath, QWidget* parent = nullptr);
    ~CSendLogViewDlg() override;

    bool isLoaded() const { return m_contents != nullptr; }

signals:
    void loaded();

private:
    void startReading();
    void showContents(std::shared_ptr<const SendLogContents> contents);
    void fillMalformed();
    void applyFilter();
    void updateStatus(const QString& note = {});
    void exportRows();

    QString m_path;
    std::shared_ptr<const SendLogContents> m_contents;
    std::atomic<bool> m_cancel{false};
    std::unique_ptr<QThread> m_reader;

    LogFilterBar* m_filterBar;
    SendLogTableModel* m_model;
    TotalsModel* m_byCallee;
    TotalsModel* m_byDay;
    QTabWidget* m_tabs;
    QTableView* m_table;
    QTableWidget* m_malformed;
    QLabel* m_status;
    QPushButton* m_export;
};

} // namespace tonalink
