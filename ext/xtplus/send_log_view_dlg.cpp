#include "send_log_view_dlg.h"

#include "core/common/file_io.h"
#include "log_filter_bar.h"
#include "send_log_table_model.h"
#include "totals_model.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace tonalink {
namespace {

QString faultText(LogLineFault fault) {
    switch (fault) {
    case LogLineFault::FieldCount:
        return CSendLogViewDlg::tr("項目の数が違います");
    case LogLineFault::StrayQuote:
        return CSendLogViewDlg::tr("引用符の位置が違います");
    case LogLineFault::UnterminatedQuote:
        return CSendLogViewDlg::tr("引用符が閉じていません");
    case LogLineFault::TooLong:
        return CSendLogViewDlg::tr("行が長すぎます");
    case LogLineFault::BadDate:
        return CSendLogViewDlg::tr("日付が読めません");
    case LogLineFault::BadTime:
        return CSendLogViewDlg::tr("時刻が読めません");
    case LogLineFault::NotText:
        return CSendLogViewDlg::tr("文字でないバイトがあります");
    }
    return {};
}

QDate dateOf(int32_t key) {
    return QDate(key / 10000, key / 100 % 100, key % 100);
}

QTableView* tableView(QAbstractItemModel* model, const char* name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

} // namespace

CSendLogViewDlg::CSendLogViewDlg(QString logPath, QWidget* parent)
    : QDialog(parent), m_path(std::move(logPath)), m_filterBar(new LogFilterBar(this)),
      m_model(new SendLogTableModel(this)), m_byCallee(new TotalsModel(tr("相手"), this)),
      m_byDay(new TotalsModel(tr("日付"), this)), m_tabs(new QTabWidget(this)),
      m_table(tableView(m_model, "records", this)), m_malformed(new QTableWidget(0, 3, this)),
      m_status(new QLabel(this)), m_export(new QPushButton(tr("CSVに書き出す(&S)..."), this)) {
    setWindowTitle(tr("送信ログ"));
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 140, metrics.height() * 34);

    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    // Wide enough for what the columns hold as the program writes them.
    const char* samples[] = {"00/00/00",     "00:00:00",     "000000000000000",
                             "ＮＮＮＮＮＮ", "ＮＮＮＮＮＮ", "ＮＮＮＮＮＮＮＮＮＮＮＮＮＮＮＮ"};
    for (int column = 0; column < int(std::size(samples)); ++column)
        m_table->setColumnWidth(column,
                                metrics.horizontalAdvance(QString::fromUtf8(samples[column])) +
                                    metrics.averageCharWidth() * 3);
    m_malformed->setObjectName(QStringLiteral("malformed"));
    m_malformed->setHorizontalHeaderLabels({tr("行"), tr("理由"), tr("内容")});
    m_malformed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_malformed->verticalHeader()->hide();
    m_malformed->horizontalHeader()->setStretchLastSection(true);
    m_malformed->setColumnWidth(1, metrics.averageCharWidth() * 30);

    m_tabs->addTab(m_table, tr("送信記録(&1)"));
    for (auto [model, name, title] : {std::tuple(m_byCallee, "byCallee", QT_TR_NOOP("相手別(&2)")),
                                      std::tuple(m_byDay, "byDay", QT_TR_NOOP("日別(&3)"))}) {
        QTableView* view = tableView(model, name, this);
        view->setColumnWidth(0, metrics.averageCharWidth() * 30);
        m_tabs->addTab(view, tr(title));
    }
    m_tabs->addTab(m_malformed, tr("読めない行(&4)"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("閉じる"));
    buttons->addButton(m_export, QDialogButtonBox::ActionRole);
    m_export->setObjectName(QStringLiteral("export"));
    m_export->setEnabled(false);
    m_filterBar->setEnabled(false);
    m_status->setObjectName(QStringLiteral("status"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_export, &QPushButton::clicked, this, &CSendLogViewDlg::exportRows);
    connect(m_filterBar, &LogFilterBar::changed, this, &CSendLogViewDlg::applyFilter);
    startReading();
}

CSendLogViewDlg::~CSendLogViewDlg() {
    m_cancel = true;
    if (m_reader)
        m_reader->wait();
}

void CSendLogViewDlg::startReading() {
    m_status->setText(tr("読み込み中…"));
    auto contents = std::make_shared<SendLogContents>();
    m_reader.reset(
        QThread::create([contents, path = QFile::encodeName(m_path).toStdString(),
                         cancel = &m_cancel] { *contents = readSendLog(path, {}, cancel); }));
    // finished arrives queued on this thread, after the worker wrote `contents`.
    connect(m_reader.get(), &QThread::finished, this, [this, contents] { showContents(contents); });
    m_reader->start();
}

void CSendLogViewDlg::showContents(std::shared_ptr<const SendLogContents> contents) {
    m_contents = std::move(contents);
    const auto& records = m_contents->records;
    if (!records.empty()) {
        auto [first, last] = std::minmax_element(
            records.begin(), records.end(),
            [](const SendLogRecord& a, const SendLogRecord& b) { return a.date < b.date; });
        m_filterBar->setChoices(distinctCallees(records), distinctTypes(records),
                                dateOf(first->date), dateOf(last->date));
    }
    fillMalformed();
    m_model->setContents(m_contents);
    applyFilter();
    m_filterBar->setEnabled(!records.empty());
    m_export->setEnabled(!records.empty());
    emit loaded();
}

void CSendLogViewDlg::fillMalformed() {
    const auto& lines = m_contents->malformed;
    m_malformed->setRowCount(static_cast<int>(lines.size()));
    for (int row = 0; row < m_malformed->rowCount(); ++row) {
        const MalformedLogLine& line = lines[static_cast<std::size_t>(row)];
        const QString text =
            QString::fromStdString(line.text) + (line.shortened ? QStringLiteral("…") : QString());
        m_malformed->setItem(row, 0, new QTableWidgetItem(QString::number(line.lineNumber)));
        m_malformed->setItem(row, 1, new QTableWidgetItem(faultText(line.fault)));
        m_malformed->setItem(row, 2, new QTableWidgetItem(text));
    }
    m_tabs->setTabText(3, tr("読めない行 %1(&4)").arg(m_contents->malformedCount));
}

void CSendLogViewDlg::applyFilter() {
    if (!m_contents)
        return;
    m_model->setFilter(m_filterBar->filter());
    m_byCallee->setTotals(totalsByCallee(m_model->records(), m_model->rows()));
    m_byDay->setTotals(totalsByDay(m_model->records(), m_model->rows()));
    updateStatus();
}

void CSendLogViewDlg::updateStatus(const QString& note) {
    const SendLogContents& log = *m_contents;
    QString text;
    if (log.end == LogReadEnd::NotFound) {
        text = tr("送信ログ %1 がありません。").arg(QDir::toNativeSeparators(m_path));
    } else {
        text = tr("全 %1 件中 %2 件を表示　読めない行 %3 行")
                   .arg(log.records.size())
                   .arg(m_model->rows().size())
                   .arg(log.malformedCount);
        if (log.malformedCount > log.malformed.size())
            text += tr("（一覧は最初の %1 行）").arg(log.malformed.size());
    }
    if (log.end == LogReadEnd::ByteLimit || log.end == LogReadEnd::RecordLimit)
        text += tr("　※大きすぎるため %1 行目までを読みました").arg(log.linesRead);
    if (log.end == LogReadEnd::Failed)
        text = tr("送信ログを読めませんでした: %1").arg(QString::fromLocal8Bit(log.error));
    if (!note.isEmpty())
        text += tr("　") + note;
    m_status->setText(text);
}

void CSendLogViewDlg::exportRows() {
    QFileDialog dialog(this, tr("CSVに書き出す"), QDir::currentPath(), tr("CSV ファイル (*.csv)"));
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(tr("送信ログ.csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    std::string error;
    if (!writeFileAtomically(QFile::encodeName(path).toStdString(),
                             formatCsv(m_model->records(), m_model->rows()), &error)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("書き出せませんでした。\n%1").arg(QString::fromLocal8Bit(error)));
        return;
    }
    updateStatus(tr("%1 件を書き出しました").arg(m_model->rows().size()));
}

} // namespace tonalink
