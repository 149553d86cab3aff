#pragma once

#include "core/pagerdata/callee_csv.h"

#include <QDialog>

namespace tonalink {

// What a CSV import did: the counts on top, the rows left out below in a list
// the user can scroll (capped, so a file of 100,000 bad rows stays a window).
class CImportReportDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxShownProblems = 1000;

    CImportReportDlg(const CsvImport& result, QWidget* parent = nullptr);
};

// "N 行目 (列): reason" for one row left out.
QString problemText(const CsvProblem& problem);

} // namespace tonalink
