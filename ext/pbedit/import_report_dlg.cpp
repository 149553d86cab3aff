#include "import_report_dlg.h"

#include "ui/widgets/qt_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tonalink {

namespace {

QString reasonText(CsvRowProblem problem) {
    switch (problem) {
    case CsvRowProblem::NoName:
        return CImportReportDlg::tr("名前がありません");
    case CsvRowProblem::BadName:
        return CImportReportDlg::tr("名前に使えない文字か長さです");
    case CsvRowProblem::TooManyFields:
        return CImportReportDlg::tr("列が多すぎます");
    case CsvRowProblem::BadGroup:
        return CImportReportDlg::tr("グループは空か 0～4 です");
    case CsvRowProblem::BadPhraseCount:
        return CImportReportDlg::tr("定型文の数が合いません");
    case CsvRowProblem::BadValue:
        return CImportReportDlg::tr("保存できない値です (99 バイトまで、改行と前後の空白は不可)");
    case CsvRowProblem::NotCp932:
        return CImportReportDlg::tr("Shift-JIS にない文字があります");
    case CsvRowProblem::RepeatedName:
        return CImportReportDlg::tr("同じ名前が前の行にあります");
    case CsvRowProblem::TooManyRows:
        return CImportReportDlg::tr("行が多すぎます (%1 行まで)").arg(kMaxCsvRows);
    case CsvRowProblem::NamesFull:
        return CImportReportDlg::tr("電話帳の名前の一覧がいっぱいです");
    }
    return {};
}

} // namespace

QString problemText(const CsvProblem& problem) {
    const QString where = problem.column.empty() ? CImportReportDlg::tr("%1 行目").arg(problem.line)
                                                 : CImportReportDlg::tr("%1 行目 (%2)")
                                                       .arg(problem.line)
                                                       .arg(QString::fromStdString(problem.column));
    return where + QStringLiteral(": ") + reasonText(problem.problem);
}

CImportReportDlg::CImportReportDlg(const CsvImport& result, QWidget* parent) : QDialog(parent) {
    auto* problems = new QListWidget;
    setWindowTitle(tr("CSV読込"));
    problems->setObjectName(QStringLiteral("problems"));
    QString summary = tr("追加 %1 件、更新 %2 件、読み込まなかった行 %3 件")
                          .arg(result.added)
                          .arg(result.updated)
                          .arg(result.problems.size());
    for (const std::string& column : result.unknownColumns)
        summary += tr("\n使わない列: %1").arg(fromCp932(column));
    auto* label = new QLabel(summary);
    label->setObjectName(QStringLiteral("summary"));
    const std::size_t shown =
        std::min(result.problems.size(), static_cast<std::size_t>(kMaxShownProblems));
    for (std::size_t i = 0; i < shown; ++i)
        problems->addItem(problemText(result.problems[i]));
    if (result.problems.size() > shown)
        problems->addItem(tr("… ほか %1 件").arg(result.problems.size() - shown));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(problems, 1);
    layout->addWidget(buttons);
    problems->setVisible(!result.problems.empty());
    resize(520, result.problems.empty() ? 120 : 360);
}

} // namespace tonalink
