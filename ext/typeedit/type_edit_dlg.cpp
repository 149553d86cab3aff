#include "type_edit_dlg.h"

#include "changed_file_question.h"
#include "entry_list_page.h"
#include "try_it_box.h"
#include "type_edit_texts.h"
#include "type_keys_form.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tonalink {
namespace {

constexpr int kNameRole = Qt::UserRole;

} // namespace

CTypeEditDlg::CTypeEditDlg(TypeEditDocument document, QWidget* parent)
    : QDialog(parent), document_(std::move(document)), types_(new QListWidget(this)),
      tabs_(new QTabWidget(this)), keys_(new CTypeKeysForm(document_, this)),
      tryIt_(new CTryItBox(this)) {
    types_->setObjectName("types");
    auto* typeLabel = new QLabel(tr("機種(&T):"), this);
    typeLabel->setBuddy(types_);
    auto* left = new QVBoxLayout;
    left->addWidget(typeLabel);
    left->addWidget(types_);
    const std::pair<QString, void (CTypeEditDlg::*)()> actions[] = {
        {tr("追加(&A)..."), &CTypeEditDlg::addType},
        {tr("コピー(&O)..."), &CTypeEditDlg::copyType},
        {tr("名前の変更(&R)..."), &CTypeEditDlg::renameType},
        {tr("削除(&L)"), &CTypeEditDlg::deleteType}};
    auto* buttonGrid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(actions[i].first, this);
        connect(b, &QPushButton::clicked, this, actions[i].second);
        buttonGrid->addWidget(b, i / 2, i % 2);
        if (i > 0)
            typeButtons_[static_cast<std::size_t>(i - 1)] = b;
    }
    left->addLayout(buttonGrid);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(keys_);
    scroll->setWidgetResizable(true);
    tabs_->addTab(scroll, tr("設定(&S)"));
    for (PagerTypeList list : kPagerTypeLists) {
        auto* page = new CEntryListPage(document_, list, this);
        lists_[static_cast<std::size_t>(list)] = page;
        tabs_->addTab(page, typeedit::listTitle(list));
        connect(page, &CEntryListPage::edited, this, &CTypeEditDlg::typeEdited);
    }
    connect(keys_, &CTypeKeysForm::edited, this, &CTypeEditDlg::typeEdited);

    auto* leftPane = new QWidget(this);
    leftPane->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(leftPane);
    splitter->addWidget(tabs_);
    splitter->setStretchFactor(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* saveButton = buttons->addButton(tr("保存(&W)"), QDialogButtonBox::ApplyRole);
    saveButton->setObjectName("save");
    buttons->addButton(tr("閉じる"), QDialogButtonBox::RejectRole);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(tryIt_);
    layout->addWidget(buttons);
    connect(types_, &QListWidget::currentRowChanged, this, [this] { showCurrentType(); });
    resize(960, 680);
    fillTypes({});
}

std::string CTypeEditDlg::currentType() const {
    const QListWidgetItem* item = types_->currentItem();
    return item ? item->data(kNameRole).toByteArray().toStdString() : std::string();
}

bool CTypeEditDlg::selectType(const std::string& name) {
    for (int row = 0; row < types_->count(); ++row) {
        if (types_->item(row)->data(kNameRole).toByteArray().toStdString() == name) {
            types_->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

CEntryListPage* CTypeEditDlg::listPage(PagerTypeList list) const {
    return lists_[static_cast<std::size_t>(list)];
}

void CTypeEditDlg::fillTypes(const std::string& select) {
    const QSignalBlocker block(types_);
    types_->clear();
    for (const std::string& name : document_.typeNames()) {
        auto* item = new QListWidgetItem(fromCp932(name), types_);
        item->setData(kNameRole, QByteArray::fromStdString(name));
    }
    if (!selectType(select) && types_->count() > 0)
        types_->setCurrentRow(0);
    showCurrentType();
}

void CTypeEditDlg::showCurrentType() {
    const std::string type = currentType();
    keys_->showType(type);
    for (CEntryListPage* page : lists_)
        page->showType(type);
    for (QPushButton* b : typeButtons_)
        b->setEnabled(!type.empty());
    typeEdited();
}

void CTypeEditDlg::typeEdited() {
    tryIt_->setType(document_.pagerType(currentType()));
    updateTitle();
}

void CTypeEditDlg::updateTitle() {
    setWindowTitle(QStringLiteral("%1%2 - %3")
                       .arg(typeedit::title(),
                            document_.modified() ? QStringLiteral(" *") : QString(),
                            fromCp932(document_.path())));
}

bool CTypeEditDlg::report(ProfileError error) {
    if (error == ProfileError::None)
        return true;
    messageBox(typeedit::errorText(error), MsgIcon::Exclamation);
    return false;
}

std::string CTypeEditDlg::askName(const QString& label, const QString& initial) {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, typeedit::title(), label, QLineEdit::Normal, initial, &ok);
    if (!ok || name.isEmpty())
        return {};
    const auto bytes = toCp932(name);
    if (!bytes) {
        report(ProfileError::BadName);
        return {};
    }
    return *bytes;
}

void CTypeEditDlg::addType() {
    const std::string name = askName(tr("新しい機種の名前:"), {});
    if (!name.empty() && report(document_.addType(name)))
        fillTypes(name);
}

void CTypeEditDlg::copyType() {
    const std::string from = currentType();
    const std::string name =
        askName(tr("コピーした機種の名前:"), fromCp932(from) + tr(" のコピー"));
    if (!name.empty() && report(document_.copyType(from, name)))
        fillTypes(name);
}

void CTypeEditDlg::renameType() {
    const std::string from = currentType();
    const std::string name = askName(tr("新しい名前:"), fromCp932(from));
    if (name.empty() || name == from)
        return;
    // The callees of the old name would lose their type: say so and offer to follow.
    const std::size_t users = document_.calleesOfType(from);
    MsgAnswer follow = MsgAnswer::No;
    if (users > 0) {
        follow = messageBox(tr("電話帳の %1 人がこの機種を使っています。\n"
                               "その人たちの呼出機種も「%2」に変えますか？\n"
                               "(電話帳は保存のときに書き換えます)")
                                .arg(users)
                                .arg(fromCp932(name)),
                            MsgIcon::Question, MsgButtons::YesNoCancel);
        if (follow == MsgAnswer::Cancel)
            return;
    }
    if (!report(document_.renameType(from, name)))
        return;
    if (follow == MsgAnswer::Yes)
        document_.retypeCalleesOnSave(from, name);
    fillTypes(name);
}

void CTypeEditDlg::deleteType() {
    const std::string name = currentType();
    const QString question = tr("機種「%1」を削除しますか？").arg(fromCp932(name));
    if (messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    std::string replacement;
    if (const std::size_t users = document_.calleesOfType(name); users > 0) {
        // The callees of the deleted type can take another one instead.
        const QString keep = tr("(変えない)");
        QStringList choices;
        for (const std::string& other : document_.typeNames())
            if (other != name)
                choices << fromCp932(other);
        choices << keep;
        bool ok = false;
        const QString chosen =
            QInputDialog::getItem(this, typeedit::title(),
                                  tr("電話帳の %1 人がこの機種を使っています。\n"
                                     "その人たちの呼出機種を次に変えます (保存のとき):")
                                      .arg(users),
                                  choices, 0, false, &ok);
        if (!ok)
            return;
        if (chosen != keep)
            replacement = toCp932(chosen).value_or(std::string());
    }
    const int row = types_->currentRow();
    if (!report(document_.deleteType(name)))
        return;
    if (!replacement.empty())
        document_.retypeCalleesOnSave(name, replacement);
    const std::vector<std::string> names = document_.typeNames();
    fillTypes(names.empty()
                  ? std::string()
                  : names[std::min<std::size_t>(static_cast<std::size_t>(row), names.size() - 1)]);
}

bool CTypeEditDlg::save() {
    if (document_.changedOnDisk()) {
        switch (askAboutChangedFile(fromCp932(document_.path()))) {
        case ChangedFileChoice::Reload:
            report(document_.reload());
            fillTypes(currentType());
            return false;
        case ChangedFileChoice::Cancel:
            return false;
        case ChangedFileChoice::Overwrite:
            break;
        }
    }
    std::string detail;
    const ProfileError e = document_.save(&detail);
    updateTitle();
    if (e == ProfileError::None)
        return true;
    messageBox(typeedit::errorText(e, fromCp932(detail)), MsgIcon::Stop);
    return false;
}

void CTypeEditDlg::done(int result) {
    // At the program's end nobody answers: the window closes, the file stays as saved.
    if (document_.modified() && !messageBoxesDismissed()) {
        const MsgAnswer answer =
            messageBox(tr("変更を保存しますか？"), MsgIcon::Question, MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel || (answer == MsgAnswer::Yes && !save()))
            return;
    }
    QDialog::done(result);
}

} // namespace tonalink
