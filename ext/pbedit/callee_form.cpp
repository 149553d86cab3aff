#include "callee_form.h"

#include "core/common/cp932.h"
#include "core/pagerdata/pager_type.h"
#include "core/pagerdata/phone_book_editing.h"
#include "ui/widgets/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tonalink {

namespace {

QString checkText(FieldCheck check) {
    switch (check) {
    case FieldCheck::Ok:
        return {};
    case FieldCheck::TooLong:
        return CCalleeForm::tr("長すぎます");
    case FieldCheck::BadCharacter:
        return CCalleeForm::tr("0-9 * # , 以外の文字");
    }
    return {};
}

QWidget* withCheck(QLineEdit* edit, QLabel* check) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit, 1);
    check->setStyleSheet(QStringLiteral("color: #b00000"));
    check->setMinimumWidth(
        check->fontMetrics().horizontalAdvance(checkText(FieldCheck::BadCharacter)));
    row->addWidget(check);
    return box;
}

// A phrase written as `[code]text` keeps its brackets even with an empty code.
constexpr int kBracketedRole = Qt::UserRole;

std::string bytesOf(const QString& text, bool* ok) {
    const auto bytes = toCp932(text);
    if (!bytes)
        *ok = false;
    return bytes.value_or(std::string());
}

} // namespace

CCalleeForm::CCalleeForm(const std::vector<std::string>& pagerTypes,
                         const std::array<std::string, 4>& groupNames, QWidget* parent)
    : QWidget(parent), type_(new QComboBox), callNo_(new QLineEdit), callNoCheck_(new QLabel),
      phsNo_(new QLineEdit), phsNoCheck_(new QLabel), password_(new QLineEdit),
      passwordCheck_(new QLabel), group_(new QComboBox), phrases_(new QTableWidget(0, 2)),
      phraseCount_(new QLabel) {
    callNoCheck_->setObjectName(QStringLiteral("callNoCheck"));
    phsNoCheck_->setObjectName(QStringLiteral("phsNoCheck"));
    passwordCheck_->setObjectName(QStringLiteral("passwordCheck"));
    for (const std::string& name : pagerTypes)
        type_->addItem(fromCp932(name));
    group_->addItem(tr("なし"));
    for (std::size_t g = 0; g < groupNames.size(); ++g)
        group_->addItem(QStringLiteral("%1: %2").arg(g + 1).arg(fromCp932(groupNames[g])));
    phrases_->setHorizontalHeaderLabels({tr("コード"), tr("文")});
    phrases_->horizontalHeader()->setStretchLastSection(true);
    phrases_->verticalHeader()->setVisible(false);

    auto* form = new QFormLayout;
    form->addRow(tr("呼出機種(&T)"), type_);
    form->addRow(tr("呼出番号(&N)"), withCheck(callNo_, callNoCheck_));
    form->addRow(tr("センター番号(&C)"), withCheck(phsNo_, phsNoCheck_));
    form->addRow(tr("パスワード(&W)"), withCheck(password_, passwordCheck_));
    form->addRow(tr("グループ(&G)"), group_);

    auto* add = new QPushButton(tr("定型文を追加(&I)"));
    auto* remove = new QPushButton(tr("定型文を削除(&X)"));
    auto* phraseButtons = new QHBoxLayout;
    phraseButtons->addWidget(add);
    phraseButtons->addWidget(remove);
    phraseButtons->addStretch();
    phraseButtons->addWidget(phraseCount_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("この人の定型文")));
    layout->addWidget(phrases_, 1);
    layout->addLayout(phraseButtons);

    const auto changed = [this] {
        check();
        if (!filling_)
            emit edited();
    };
    connect(type_, &QComboBox::currentTextChanged, this, changed);
    connect(group_, &QComboBox::currentIndexChanged, this, changed);
    for (QLineEdit* edit : {callNo_, phsNo_, password_})
        connect(edit, &QLineEdit::textChanged, this, changed);
    connect(phrases_, &QTableWidget::itemChanged, this, changed);
    connect(add, &QPushButton::clicked, this, &CCalleeForm::addPhrase);
    connect(remove, &QPushButton::clicked, this, &CCalleeForm::removePhrase);
}

void CCalleeForm::showEntry(const PhoneBookEntry& entry) {
    filling_ = true;
    const QString type = fromCp932(entry.PbType);
    int at = type_->findText(type, Qt::MatchFixedString);
    if (at < 0 && !type.isEmpty()) {
        // A type call.dat no longer has stays as written until the user picks another.
        type_->addItem(type);
        at = type_->count() - 1;
    }
    type_->setCurrentIndex(at);
    callNo_->setText(fromCp932(entry.PbCallNo));
    phsNo_->setText(fromCp932(entry.PhsCallNo));
    password_->setText(fromCp932(entry.PbPassWord));
    // A group outside 1-4 is no group, as broadcasting reads it; it stays until changed.
    group_->setCurrentIndex(entry.MsgGroup >= 1 && entry.MsgGroup <= 4 ? entry.MsgGroup : 0);
    group_->setProperty("written", entry.MsgGroup);
    phrases_->setRowCount(0);
    for (const std::string& raw : entry.UserPhrases) {
        const TableEntry phrase = TableEntry::parse(raw);
        const bool split = phrase.bracketed && raw.front() == '[';
        const int row = phrases_->rowCount();
        phrases_->insertRow(row);
        auto* code = new QTableWidgetItem(split ? fromCp932(phrase.code) : QString());
        code->setData(kBracketedRole, split);
        phrases_->setItem(row, 0, code);
        phrases_->setItem(row, 1, new QTableWidgetItem(fromCp932(split ? phrase.text : raw)));
    }
    filling_ = false;
    check();
}

QString CCalleeForm::collect(PhoneBookEntry& entry) const {
    bool ok = true;
    entry.PbType = bytesOf(type_->currentText(), &ok);
    entry.PbCallNo = bytesOf(callNo_->text(), &ok);
    entry.PhsCallNo = bytesOf(phsNo_->text(), &ok);
    entry.PbPassWord = bytesOf(password_->text(), &ok);
    const int written = group_->property("written").toInt();
    const bool keepWritten = group_->currentIndex() == 0 && (written < 1 || written > 4);
    entry.MsgGroup = keepWritten ? written : group_->currentIndex();
    entry.UserPhrases.clear();
    for (int row = 0; row < phrases_->rowCount(); ++row) {
        const QTableWidgetItem* codeItem = phrases_->item(row, 0);
        const QTableWidgetItem* textItem = phrases_->item(row, 1);
        const std::string code = bytesOf(codeItem ? codeItem->text() : QString(), &ok);
        const std::string text = bytesOf(textItem ? textItem->text() : QString(), &ok);
        // A ']' of its own would end the code early.
        if (cp932::containsChar(code, ']'))
            return tr("定型文のコードに ] は使えません。");
        const bool bracketed = codeItem && codeItem->data(kBracketedRole).toBool();
        entry.UserPhrases.push_back(bracketed || !code.empty() ? "[" + code + "]" + text : text);
    }
    return ok ? QString() : tr("Shift-JIS で書けない文字があります。");
}

void CCalleeForm::check() {
    const auto bytes = [](const QLineEdit* edit) { return toCp932(edit->text()).value_or(""); };
    callNoCheck_->setText(checkText(checkCallNumber(bytes(callNo_))));
    phsNoCheck_->setText(checkText(checkCallNumber(bytes(phsNo_))));
    passwordCheck_->setText(checkText(checkPassword(bytes(password_))));
    phraseCount_->setText(tr("%1 件").arg(phrases_->rowCount()));
}

void CCalleeForm::addPhrase() {
    const int row = phrases_->rowCount();
    phrases_->insertRow(row);
    phrases_->setItem(row, 0, new QTableWidgetItem);
    phrases_->setItem(row, 1, new QTableWidgetItem);
    phrases_->setCurrentCell(row, 0);
    phrases_->editItem(phrases_->item(row, 0));
    check();
    emit edited();
}

void CCalleeForm::removePhrase() {
    const int row = phrases_->currentRow();
    if (row < 0)
        return;
    phrases_->removeRow(row);
    check();
    emit edited();
}

} // namespace tonalink
