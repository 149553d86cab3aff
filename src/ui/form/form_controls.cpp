#include "ui/form/form_controls.h"

#include "ui/form/form_ids.h"
#include "ui/widgets/choice_box.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/typing_limit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tonalink {
namespace {

template <class T> T* make(QWidget* parent, int id) {
    auto* control = new T(parent);
    setControlId(control, id);
    return control;
}

QPushButton* makeButton(QWidget* parent, int id, const QString& text) {
    auto* button = make<QPushButton>(parent, id);
    button->setText(text);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeSunkenStatic(QWidget* parent, int id, Qt::Alignment alignment) {
    auto* label = make<QLabel>(parent, id);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

FormControls FormControls::create(QWidget* form) {
    FormControls c;

    c.calleeCaption = make<QLabel>(form, form_id::kCalleeCaption);
    c.callNumber = make<QLineEdit>(form, form_id::kCallNumber);
    limitTyping(c.callNumber, form_id::kCallNumberLimit);
    c.centreNumber = make<QLineEdit>(form, form_id::kCentreNumber);
    c.passwordLabel = make<QLabel>(form, form_id::kPasswordLabel);
    c.passwordLabel->setText(tr("ﾊﾟｽﾜｰﾄﾞ"));
    c.password = make<QLineEdit>(form, form_id::kPassword);
    limitTyping(c.password, form_id::kPasswordLimit);
    c.phoneBook = makeButton(form, form_id::kPhoneBook, tr("電話帳..."));
    c.clearCallee = makeButton(form, form_id::kClearCallee, tr("ｸﾘｱ"));

    auto* pagerGroup = new QGroupBox(tr("呼出機種"), form);
    c.pagerType = make<QComboBox>(pagerGroup, form_id::kPagerType);
    c.pagerType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c.pagerType->setMinimumContentsLength(12);

    auto* messageLabel = new QLabel(tr("ﾒｯｾｰｼﾞ"), form);
    c.messageMode = make<ChoiceBox>(form, form_id::kMessageMode);
    c.messageMode->setEditable(true);
    c.messageMode->setInsertPolicy(QComboBox::NoInsert);
    // The edit field shows the mode; the four entries are the only modes there are.
    c.messageMode->lineEdit()->setReadOnly(true);
    c.messageMode->addItems(
        {tr("ﾌﾘｰﾜｰﾄﾞ+定型文"), tr("数字+定型文"), tr("ﾌﾘｰﾜｰﾄﾞのみ"), tr("ﾀﾞｲﾚｸﾄ")});
    c.count = makeSunkenStatic(form, form_id::kCount, Qt::AlignHCenter);
    c.count->setMinimumWidth(c.count->fontMetrics().horizontalAdvance(QStringLiteral("0000/000")));
    c.message = make<QPlainTextEdit>(form, form_id::kMessage);
    c.message->setTabChangesFocus(true);
    c.codePreview = make<QPlainTextEdit>(form, form_id::kCodePreview);
    c.codePreview->setReadOnly(true);
    c.codePreview->setFocusPolicy(Qt::NoFocus);
    c.codePreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.codePreview->setWordWrapMode(QTextOption::WrapAnywhere);
    c.codePreview->setBackgroundRole(QPalette::Window);
    c.codePreview->setFixedHeight(c.codePreview->fontMetrics().lineSpacing() * 3 +
                                  2 * c.codePreview->frameWidth() + 8);

    auto* phraseGroup = new QGroupBox(tr("定型伝言文"), form);
    c.phrases = make<QComboBox>(phraseGroup, form_id::kPhrases);
    c.phrases->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c.phrases->setMinimumContentsLength(16);
    c.phrases->addItem(tr("呼出機種を選択してください。"));
    c.addPhrase = makeButton(phraseGroup, form_id::kAddPhrase, tr("追加"));
    c.clearMessage = makeButton(form, form_id::kClearMessage, tr("ｸﾘｱ"));
    c.view = makeButton(form, form_id::kView, QStringLiteral("View"));
    c.view->setEnabled(false);
    c.send = makeButton(form, form_id::kSend, tr("送信"));
    c.reserve = makeButton(form, form_id::kReserve, tr("予約..."));
    c.broadcast = makeButton(form, form_id::kBroadcast, tr("同報..."));
    const int customIds[3] = {form_id::kCustom1, form_id::kCustom2, form_id::kCustom3};
    for (int n = 0; n < 3; ++n) {
        c.custom[n] = makeButton(form, customIds[n], QString::number(n + 1));
        const int side = c.custom[n]->fontMetrics().height() + 12;
        c.custom[n]->setFixedSize(side + 4, c.custom[n]->sizeHint().height());
    }

    auto* callee = new QGridLayout;
    callee->addWidget(c.calleeCaption, 0, 0, 1, 3);
    callee->addWidget(new QLabel(tr("呼出番号"), form), 1, 0);
    callee->addWidget(c.callNumber, 1, 1);
    callee->addWidget(c.phoneBook, 1, 2);
    callee->addWidget(new QLabel(tr("ｾﾝﾀ番号"), form), 2, 0);
    callee->addWidget(c.centreNumber, 2, 1);
    callee->addWidget(c.clearCallee, 2, 2);
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(c.password);
    passwordRow->addStretch(1);
    c.password->setMaximumWidth(
        c.password->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    callee->addWidget(c.passwordLabel, 3, 0);
    callee->addLayout(passwordRow, 3, 1);
    callee->setColumnStretch(1, 1);

    auto* pagerLayout = new QHBoxLayout(pagerGroup);
    pagerLayout->addWidget(c.pagerType);

    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(messageLabel);
    modeRow->addWidget(c.messageMode, 1);
    modeRow->addWidget(c.count);
    modeRow->addWidget(c.clearMessage);

    auto* phraseLayout = new QHBoxLayout(phraseGroup);
    phraseLayout->addWidget(c.phrases, 1);
    phraseLayout->addWidget(c.addPhrase);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* custom : c.custom) {
        buttons->addWidget(custom);
    }
    buttons->addStretch(1);
    buttons->addWidget(c.view);
    buttons->addWidget(c.send);
    buttons->addWidget(c.reserve);
    buttons->addWidget(c.broadcast);

    auto* layout = new QVBoxLayout(form);
    layout->addLayout(callee);
    layout->addWidget(pagerGroup);
    layout->addLayout(modeRow);
    layout->addWidget(c.message, 1);
    layout->addWidget(c.codePreview);
    layout->addWidget(phraseGroup);
    layout->addLayout(buttons);

    // Tab order follows the template.
    QWidget* order[] = {c.callNumber,   c.centreNumber, c.password, c.phoneBook, c.clearCallee,
                        c.pagerType,    c.messageMode,  c.message,  c.phrases,   c.addPhrase,
                        c.clearMessage, c.view,         c.send,     c.reserve,   c.broadcast,
                        c.custom[0],    c.custom[1],    c.custom[2]};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    return c;
}

} // namespace tonalink
