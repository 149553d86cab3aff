#include "pb_edit_dlg.h"

#include "callee_form.h"
#include "changed_file_question.h"
#include "core/common/file_io.h"
#include "core/pagerdata/callee_csv.h"
#include "core/pagerdata/pager_type_catalog.h"
#include "core/pagerdata/phone_book_editing.h"
#include "import_report_dlg.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalink {

namespace {

QString title() {
    return CPbEditDlg::tr("電話帳の設定");
}

QString errorText(ProfileError error) {
    switch (error) {
    case ProfileError::None:
        return {};
    case ProfileError::BadName:
        return CPbEditDlg::tr("その名前は使えません。");
    case ProfileError::NameTaken:
        return CPbEditDlg::tr("同じ名前の人がすでにいます。");
    case ProfileError::BadValue:
        return CPbEditDlg::tr("保存できない値があります (99バイトまで、前後の空白は不可)。");
    case ProfileError::TooLarge:
        return CPbEditDlg::tr("電話帳がいっぱいです (名前の一覧かファイルの大きさ)。");
    case ProfileError::WriteFailed:
        return CPbEditDlg::tr("保存できませんでした。");
    default:
        return CPbEditDlg::tr("電話帳を読めません。");
    }
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
    auto edited = EditedProfile::open(dir, PhoneBook::kFileName, error);
    if (!edited)
        return nullptr;
    PagerTypeCatalog types(dir);
    types.ListPagerTypes(false);
    return std::unique_ptr<CPbEditDlg>(
        new CPbEditDlg(dir, std::move(*edited), types.PagerTypeNames, groupNames, files));
}

CPbEditDlg::CPbEditDlg(std::string dir, EditedProfile edited,
                       const std::vector<std::string>& pagerTypes,
                       const std::array<std::string, 4>& groupNames, FileDialogService& files)
    : dir_(std::move(dir)), edited_(std::move(edited)), files_(files), list_(new QListWidget),
      form_(new CCalleeForm(pagerTypes, groupNames)), refusal_(new QLabel) {
    auto* listButtons = new QHBoxLayout;
    connect(button(listButtons, tr("追加(&A)")), &QPushButton::clicked, this, &CPbEditDlg::askAdd);
    connect(button(listButtons, tr("名前変更(&R)")), &QPushButton::clicked, this,
            &CPbEditDlg::rename);
    connect(button(listButtons, tr("削除(&D)")), &QPushButton::clicked, this, &CPbEditDlg::remove);
    connect(button(listButtons, QStringLiteral("↑")), &QPushButton::clicked, this,
            [this] { move(-1); });
    connect(button(listButtons, QStringLiteral("↓")), &QPushButton::clicked, this,
            [this] { move(1); });
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addLayout(listButtons);

    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setStyleSheet(QStringLiteral("color: #b00000"));
    refusal_->setWordWrap(true);
    auto* right = new QVBoxLayout;
    right->addWidget(form_, 1);
    right->addWidget(refusal_);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);

    auto* bottom = new QHBoxLayout;
    connect(button(bottom, tr("CSV読込(&M)...")), &QPushButton::clicked, this,
            &CPbEditDlg::importCsv);
    connect(button(bottom, tr("CSV書出(&E)...")), &QPushButton::clicked, this,
            &CPbEditDlg::exportCsv);
    bottom->addStretch();
    auto* box = new QDialogButtonBox;
    box->addButton(tr("保存(&S)"), QDialogButtonBox::AcceptRole);
    box->addButton(tr("閉じる"), QDialogButtonBox::RejectRole);
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
    rows_ = file().listedSections();
    for (std::size_t section : rows_) {
        const std::string_view name = file().sectionNameAt(section);
        auto* item = new QListWidgetItem(fromCp932(name), list_);
        // The program reads only the first section of a name.
        if (file().sectionIndex(name) != section) {
            item->setText(item->text() + tr(" （重複）"));
            item->setToolTip(tr("同じ名前の人が上にいるため、この人は使われません。"
                                "名前を変えるか削除してください。"));
        }
    }
    list_->setCurrentRow(std::min(select, list_->count() - 1));
    shownRow_ = -2; // shows the row whatever it is
    showCurrent();
    updateTitle();
}

void CPbEditDlg::showCurrent() {
    const int row = list_->currentRow();
    if (row == shownRow_)
        return;
    if (!leaveRefusedValue()) {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(shownRow_);
        return;
    }
    shownRow_ = row;
    shown_.reset();
    if (row >= 0 && row < static_cast<int>(rows_.size()))
        shown_ = rows_[static_cast<std::size_t>(row)];
    form_->setEnabled(shown_.has_value());
    form_->showEntry(shown_ ? phoneBookEntryAt(file(), *shown_) : PhoneBookEntry{});
}

bool CPbEditDlg::leaveRefusedValue() {
    if (refused_.isEmpty())
        return true;
    const QString question =
        tr("入力中の値は電話帳に書けません。\n%1\n\nこの値を捨てますか？").arg(refused_);
    if (messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    setRefused({});
    return true;
}

void CPbEditDlg::setRefused(const QString& reason) {
    refused_ = reason;
    refusal_->setText(reason);
    updateTitle();
}

void CPbEditDlg::formEdited() {
    if (!shown_)
        return;
    PhoneBookEntry entry = phoneBookEntryAt(file(), *shown_);
    QString reason = form_->collect(entry);
    // A value the file cannot hold stays in the field and counts as unsaved work;
    // the file keeps the last good one.
    if (reason.isEmpty()) {
        const ProfileError error = writeCallee(edited_.file(), *shown_, entry);
        if (error != ProfileError::None)
            reason = errorText(error);
    }
    setRefused(reason);
}

bool CPbEditDlg::addCallee(const QString& name) {
    if (!leaveRefusedValue())
        return false;
    const auto bytes = toCp932(name);
    if (!report(bytes ? tonalink::addCallee(edited_.file(), *bytes) : ProfileError::BadName))
        return false;
    fillList(list_->count());
    return true;
}

void CPbEditDlg::askAdd() {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, title(), tr("名前:"), QLineEdit::Normal, {}, &ok);
    if (ok)
        addCallee(name.trimmed());
}

void CPbEditDlg::rename() {
    if (!shown_ || !leaveRefusedValue())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, title(), tr("新しい名前:"), QLineEdit::Normal,
                                               fromCp932(file().sectionNameAt(*shown_)), &ok);
    const auto bytes = toCp932(name.trimmed());
    if (ok && report(bytes ? renameCallee(edited_.file(), *shown_, *bytes) : ProfileError::BadName))
        fillList(list_->currentRow());
}

void CPbEditDlg::remove() {
    if (!shown_ || !leaveRefusedValue())
        return;
    const QString question =
        tr("%1 を削除しますか？").arg(fromCp932(file().sectionNameAt(*shown_)));
    if (messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (report(edited_.file().deleteSectionAt(*shown_)))
        fillList(list_->currentRow());
}

void CPbEditDlg::move(int delta) {
    const int row = list_->currentRow();
    const int upper = delta < 0 ? row - 1 : row;
    if (row < 0 || upper < 0 || !leaveRefusedValue())
        return;
    if (moveCalleeDown(edited_.file(), static_cast<std::size_t>(upper)) == ProfileError::None)
        fillList(row + delta);
}

bool CPbEditDlg::save() {
    if (!refused_.isEmpty()) {
        messageBox(tr("電話帳に書けない値があるため保存できません。\n") + refused_,
                   MsgIcon::Exclamation);
        return false;
    }
    if (edited_.changedOnDisk()) {
        switch (askAboutChangedFile(fromCp932(path()))) {
        case ChangedFileChoice::Reload:
            report(edited_.reload());
            fillList(0);
            return false;
        case ChangedFileChoice::Cancel:
            return false;
        case ChangedFileChoice::Overwrite:
            break;
        }
    }
    std::string detail;
    const ProfileError error = edited_.save(&detail);
    if (error != ProfileError::None) {
        messageBox(errorText(error) + QStringLiteral("\n") + QString::fromStdString(detail),
                   MsgIcon::Stop);
        return false;
    }
    updateTitle();
    return true;
}

void CPbEditDlg::importCsv() {
    if (!leaveRefusedValue())
        return;
    const QString name = files_.getOpenFileName(this, tr("CSV読込"), tr("CSV (*.csv);;すべて (*)"),
                                                QString::fromStdString(dir_));
    if (name.isEmpty())
        return;
    const auto bytes = readFileBounded(name.toStdString(), kMaxCsvBytes + 1, nullptr);
    CsvImport result;
    if (bytes)
        result = importCallees(edited_.file(), *bytes);
    if (!bytes || result.refusal != CsvRefusal::None) {
        messageBox(tr("読み込めませんでした: 読めないか、大きすぎるか、"
                      "見出し行に Name 列がないファイルです。"),
                   MsgIcon::Exclamation);
        return;
    }
    if (!report(result.error))
        return;
    fillList(list_->currentRow());
    // Beside the editor, so a long list of problems can be read while working on.
    auto* report = new CImportReportDlg(result, this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->open();
}

void CPbEditDlg::exportCsv() {
    const QString proposed =
        QDir(QString::fromStdString(dir_.empty() ? "." : dir_)).filePath("maddress.csv");
    const QString name = files_.getSaveFileName(
        this, tr("CSV書出"), proposed, QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"));
    if (name.isEmpty())
        return;
    std::string detail;
    if (!writeFileAtomically(name.toStdString(), exportCallees(file()), &detail)) {
        messageBox(tr("書き出せませんでした。\n") + QString::fromStdString(detail), MsgIcon::Stop);
        return;
    }
    messageBox(tr("%1 人を書き出しました。\n%2").arg(rows_.size()).arg(name), MsgIcon::Information);
}

void CPbEditDlg::done(int result) {
    // At the program's end nobody answers: the window closes, the file stays as saved.
    if (modified() && !messageBoxesDismissed()) {
        const MsgAnswer answer =
            messageBox(tr("変更を保存しますか？"), MsgIcon::Question, MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel || (answer == MsgAnswer::Yes && !save()))
            return;
    }
    QDialog::done(result);
}

void CPbEditDlg::updateTitle() {
    setWindowTitle(title() + QStringLiteral(" - ") + QString::fromStdString(path()) +
                   (modified() ? QStringLiteral(" *") : QString()));
}

bool CPbEditDlg::report(ProfileError error) {
    if (error == ProfileError::None)
        return true;
    messageBox(errorText(error), MsgIcon::Exclamation);
    return false;
}

} // namespace tonalink
