#include "pb_edit_dlg.h"

#include "callee_form.h"
#include "core/common/file_io.h"
#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/pager_type_catalog.h"
#include "core/pagerdata/phone_book_editing.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

namespace tonalink {

namespace {

const QString kTitle = QStringLiteral("電話帳の設定");

QString errorText(ProfileError error) {
    switch (error) {
    case ProfileError::None:
        return {};
    case ProfileError::BadName:
        return QStringLiteral("その名前は使えません。");
    case ProfileError::NameTaken:
        return QStringLiteral("同じ名前の人がすでにいます。");
    case ProfileError::BadValue:
        return QStringLiteral("保存できない値があります (99バイトまで、前後の空白は不可)。");
    case ProfileError::TooLarge:
        return QStringLiteral("ファイルが大きすぎます。");
    case ProfileError::WriteFailed:
        return QStringLiteral("保存できませんでした。");
    default:
        return QStringLiteral("電話帳を読めません。");
    }
}

QString problemText(CsvRowProblem problem) {
    switch (problem) {
    case CsvRowProblem::NoName:
        return QStringLiteral("名前がありません");
    case CsvRowProblem::BadName:
        return QStringLiteral("使えない名前");
    case CsvRowProblem::TooManyFields:
        return QStringLiteral("列が多すぎます");
    case CsvRowProblem::BadGroup:
        return QStringLiteral("グループは空か 0-4");
    case CsvRowProblem::BadValue:
        return QStringLiteral("保存できない値");
    case CsvRowProblem::TooManyRows:
        return QStringLiteral("行が多すぎます");
    }
    return {};
}

QPushButton* button(QBoxLayout* row, const QString& text) {
    auto* b = new QPushButton(text);
    row->addWidget(b);
    return b;
}

} // namespace

std::unique_ptr<CPbEditDlg> CPbEditDlg::open(const std::string& dir,
                                             const std::array<std::string, 4>& groupNames,
                                             FileDialogService& files, ProfileError* error) {
    const auto found = findFileIgnoringCase(dir, PhoneBook::kFileName);
    std::string path =
        found ? *found
              : (std::filesystem::path(dir.empty() ? "." : dir) / PhoneBook::kFileName).string();
    auto file = ProfileFile::loadAbsentAsEmpty(path, error);
    if (!file)
        return nullptr;
    PagerTypeCatalog types(dir);
    types.ListPagerTypes(false);
    return std::unique_ptr<CPbEditDlg>(
        new CPbEditDlg(std::move(path), std::move(*file), types.PagerTypeNames, groupNames, files));
}

CPbEditDlg::CPbEditDlg(std::string path, ProfileFile file,
                       const std::vector<std::string>& pagerTypes,
                       const std::array<std::string, 4>& groupNames, FileDialogService& files)
    : path_(std::move(path)), saved_(file.bytes()), file_(std::move(file)), files_(files),
      list_(new QListWidget), form_(new CCalleeForm(pagerTypes, groupNames)) {
    auto* listButtons = new QHBoxLayout;
    connect(button(listButtons, QStringLiteral("追加(&A)")), &QPushButton::clicked, this,
            &CPbEditDlg::askAdd);
    connect(button(listButtons, QStringLiteral("名前変更(&R)")), &QPushButton::clicked, this,
            &CPbEditDlg::rename);
    connect(button(listButtons, QStringLiteral("削除(&D)")), &QPushButton::clicked, this,
            &CPbEditDlg::remove);
    connect(button(listButtons, QStringLiteral("↑")), &QPushButton::clicked, this,
            [this] { move(-1); });
    connect(button(listButtons, QStringLiteral("↓")), &QPushButton::clicked, this,
            [this] { move(1); });
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addLayout(listButtons);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addWidget(form_, 3);

    auto* bottom = new QHBoxLayout;
    connect(button(bottom, QStringLiteral("CSV読込(&M)...")), &QPushButton::clicked, this,
            &CPbEditDlg::importCsv);
    connect(button(bottom, QStringLiteral("CSV書出(&E)...")), &QPushButton::clicked, this,
            &CPbEditDlg::exportCsv);
    bottom->addStretch();
    auto* box = new QDialogButtonBox;
    box->addButton(QStringLiteral("保存(&S)"), QDialogButtonBox::AcceptRole);
    box->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(box);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    connect(list_, &QListWidget::currentRowChanged, this, &CPbEditDlg::showCurrent);
    connect(form_, &CCalleeForm::edited, this, &CPbEditDlg::formEdited);
    fillList(0);
    resize(sizeHint().expandedTo(QSize(640, 420)));
}

void CPbEditDlg::fillList(int select) {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const std::string& name : file_.sectionNames())
        list_->addItem(fromCp932(name));
    list_->setCurrentRow(std::min(select, list_->count() - 1));
    showCurrent();
    updateTitle();
}

void CPbEditDlg::showCurrent() {
    const int row = list_->currentRow();
    const auto names = file_.sectionNames();
    shown_ = row >= 0 && row < static_cast<int>(names.size()) ? names[row] : std::string();
    form_->setEnabled(!shown_.empty());
    form_->showEntry(readPhoneBookEntry(file_, shown_));
}

void CPbEditDlg::formEdited() {
    if (shown_.empty())
        return;
    PhoneBookEntry entry = readPhoneBookEntry(file_, shown_);
    if (!form_->collect(entry)) {
        messageBox(QStringLiteral("Shift-JIS で書けない文字があります。"), MsgIcon::Exclamation);
        return;
    }
    // A value the file cannot hold stays in the field; the file keeps the last good one.
    const ProfileError error = writeCallee(file_, entry);
    if (error != ProfileError::None)
        form_->setToolTip(errorText(error));
    else
        form_->setToolTip({});
    updateTitle();
}

bool CPbEditDlg::addCallee(const QString& name) {
    const auto bytes = toCp932(name);
    if (!report(bytes ? tonalink::addCallee(file_, *bytes) : ProfileError::BadName))
        return false;
    fillList(list_->count());
    return true;
}

void CPbEditDlg::askAdd() {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, kTitle, QStringLiteral("名前:"), QLineEdit::Normal, {}, &ok);
    if (ok)
        addCallee(name.trimmed());
}

void CPbEditDlg::rename() {
    if (shown_.empty())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, kTitle, QStringLiteral("新しい名前:"),
                                               QLineEdit::Normal, fromCp932(shown_), &ok);
    const auto bytes = toCp932(name.trimmed());
    if (ok && report(bytes ? renameCallee(file_, shown_, *bytes) : ProfileError::BadName))
        fillList(list_->currentRow());
}

void CPbEditDlg::remove() {
    if (shown_.empty())
        return;
    const QString question = QStringLiteral("%1 を削除しますか？").arg(fromCp932(shown_));
    if (messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (report(file_.deleteSection(shown_)))
        fillList(list_->currentRow());
}

void CPbEditDlg::move(int delta) {
    const int row = list_->currentRow();
    const int upper = delta < 0 ? row - 1 : row;
    if (row < 0 || upper < 0)
        return;
    if (moveCalleeDown(file_, static_cast<std::size_t>(upper)) == ProfileError::None)
        fillList(row + delta);
}

bool CPbEditDlg::save() {
    std::string detail;
    const ProfileError error = file_.save(path_, &detail);
    if (error != ProfileError::None) {
        messageBox(errorText(error) + QStringLiteral("\n") + QString::fromStdString(detail),
                   MsgIcon::Stop);
        return false;
    }
    saved_ = file_.bytes();
    updateTitle();
    return true;
}

void CPbEditDlg::importCsv() {
    const QString name = files_.getOpenFileName(this, QStringLiteral("CSV読込"),
                                                QStringLiteral("CSV (*.csv);;すべて (*)"));
    if (name.isEmpty())
        return;
    const auto bytes = readFileBounded(name.toStdString(), kMaxCsvBytes + 1, nullptr);
    const CalleeCsv csv = parseCalleeCsv(bytes.value_or(std::string()));
    if (!bytes || csv.refusal != CsvRefusal::None) {
        messageBox(QStringLiteral("読み込めませんでした: 読めないか、大きすぎるか、"
                                  "見出し行に Name 列がないファイルです。"),
                   MsgIcon::Exclamation);
        return;
    }
    CsvMerge merge;
    if (!report(mergeCallees(file_, csv, &merge)))
        return;
    fillList(list_->currentRow());
    QString text = QStringLiteral("追加 %1 件、更新 %2 件").arg(merge.added).arg(merge.updated);
    for (const std::string& column : csv.unknownColumns)
        text += QStringLiteral("\n未知の列: %1").arg(fromCp932(column));
    for (const CalleeCsv::Problem& p : csv.problems)
        text += QStringLiteral("\n%1 行目: %2").arg(p.line).arg(problemText(p.problem));
    messageBox(text, MsgIcon::Information);
}

void CPbEditDlg::exportCsv() {
    const QString name =
        files_.getSaveFileName(this, QStringLiteral("CSV書出"), QStringLiteral("maddress.csv"),
                               QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"));
    if (name.isEmpty())
        return;
    std::vector<PhoneBookEntry> entries;
    for (const std::string& callee : file_.sectionNames())
        entries.push_back(readPhoneBookEntry(file_, callee));
    std::string detail;
    if (!writeFileAtomically(name.toStdString(), calleeCsv(entries), &detail))
        messageBox(QStringLiteral("書き出せませんでした。\n") + QString::fromStdString(detail),
                   MsgIcon::Stop);
}

void CPbEditDlg::done(int result) {
    if (modified()) {
        const MsgAnswer answer = messageBox(QStringLiteral("変更を保存しますか？"),
                                            MsgIcon::Question, MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel || (answer == MsgAnswer::Yes && !save()))
            return;
    }
    QDialog::done(result);
}

void CPbEditDlg::updateTitle() {
    setWindowTitle(kTitle + QStringLiteral(" - ") + QString::fromStdString(path_) +
                   (modified() ? QStringLiteral(" *") : QString()));
}

bool CPbEditDlg::report(ProfileError error) {
    if (error == ProfileError::None)
        return true;
    messageBox(errorText(error), MsgIcon::Exclamation);
    return false;
}

} // namespace tonalink
