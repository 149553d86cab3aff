#include "ui/dialogs/op_property_pages.h"

#include "ui/dialogs/dialog_exchange.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/file_dialog_service.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalink {
namespace {

template <class T> T* withId(T* control, int id) {
    setControlId(control, id);
    return control;
}

template <std::size_t N>
bool exchangeTexts(bool save, std::array<std::string, N>& values,
                   const std::array<QLineEdit*, N>& edits) {
    if (!save) {
        for (std::size_t i = 0; i < N; ++i)
            edits[i]->setText(fromCp932(values[i]));
        return true;
    }
    std::array<std::string, N> taken;
    for (std::size_t i = 0; i < N; ++i) {
        std::optional<std::string> text = takeText(edits[i]);
        if (!text)
            return false;
        taken[i] = std::move(*text);
    }
    values = std::move(taken);
    return true;
}

} // namespace

COpPropertyPage1::COpPropertyPage1(const std::array<std::string, 4>& groups, QWidget* parent)
    : QWidget(parent), m_groups(groups) {
    auto* frame = new QGroupBox(tr("同報発信ｸﾞﾙｰﾌﾟ名設定"), this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 4; ++i) {
        m_edits[i] = withId(new QLineEdit(frame), kGroup1 + i);
        grid->addWidget(new QLabel(tr("ｸﾞﾙｰﾌﾟ%1").arg(i + 1), frame), i, 0);
        grid->addWidget(m_edits[i], i, 1);
    }
    auto* reset = withId(new QPushButton(tr("ﾘｾｯﾄ"), frame), kReset);
    reset->setAutoDefault(false);
    grid->addWidget(reset, 4, 1, Qt::AlignRight);
    connect(reset, &QPushButton::clicked, this, [this] { OnResetGroups(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch(1);
    DoDataExchange(false);
}

bool COpPropertyPage1::DoDataExchange(bool saveAndValidate) {
    return exchangeTexts(saveAndValidate, m_groups, m_edits);
}

void COpPropertyPage1::OnResetGroups() {
    // Only the first two names go back to their defaults. The names are the
    // settings' data, shared by every language, so they stay as stored.
    m_edits[0]->setText(QStringLiteral("ｸﾞﾙｰﾌﾟ1"));
    m_edits[1]->setText(QStringLiteral("ｸﾞﾙｰﾌﾟ2"));
}

COpPropertyPage2::COpPropertyPage2(const std::array<std::string, 3>& commands, QWidget* parent)
    : QWidget(parent), m_commands(commands) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("ﾎﾞﾀﾝ"), this), 0, 0);
    grid->addWidget(new QLabel(tr("表示"), this), 0, 1);
    grid->addWidget(new QLabel(tr("ｺﾏﾝﾄﾞ"), this), 0, 2);
    constexpr int kButtonIds[3] = {kClear1, kClear2, kClear3};
    constexpr int kEditIds[3] = {kCommand1, kCommand2, kCommand3};
    using Clear = void (COpPropertyPage2::*)();
    constexpr Clear kClears[3] = {&COpPropertyPage2::OnClearCommand1,
                                  &COpPropertyPage2::OnClearCommand2,
                                  &COpPropertyPage2::OnClearCommand3};
    const DialogUnits du(font());
    for (int i = 0; i < 3; ++i) {
        auto* button = withId(new QPushButton(QString::number(i + 1), this), kButtonIds[i]);
        button->setAutoDefault(false);
        button->setFixedWidth(du.x(20));
        m_edits[i] = withId(new QLineEdit(this), kEditIds[i]);
        grid->addWidget(button, i + 1, 0);
        grid->addWidget(new QLabel(QStringLiteral("<%1>").arg(i + 1), this), i + 1, 1);
        grid->addWidget(m_edits[i], i + 1, 2);
        connect(button, &QPushButton::clicked, this,
                [this, clear = kClears[i]] { (this->*clear)(); });
    }
    grid->setColumnStretch(2, 1);

    auto* note = new QFrame(this);
    note->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* caution = new QLabel(
        tr("設定するｺﾏﾝﾄﾞによっては意図しないﾒｯｾｰｼﾞを送信してしまう場合が考えられます。"), note);
    caution->setWordWrap(true);
    auto* noteBox = new QVBoxLayout(note);
    noteBox->addWidget(new QLabel(tr("設定可能文字"), note));
    noteBox->addWidget(new QLabel(QStringLiteral("123456789*"), note));
    noteBox->addSpacing(du.y(4));
    noteBox->addWidget(caution);
    noteBox->addStretch(1);
    note->setFixedWidth(du.x(80));

    auto* layout = new QHBoxLayout(this);
    auto* table = new QVBoxLayout;
    table->addLayout(grid);
    table->addStretch(1);
    layout->addLayout(table, 1);
    layout->addWidget(note);
    DoDataExchange(false);
}

bool COpPropertyPage2::DoDataExchange(bool saveAndValidate) {
    return exchangeTexts(saveAndValidate, m_commands, m_edits);
}

void COpPropertyPage2::OnClearCommand1() {
    m_edits[0]->clear();
}
void COpPropertyPage2::OnClearCommand2() {
    m_edits[1]->clear();
}
void COpPropertyPage2::OnClearCommand3() {
    m_edits[2]->clear();
}

COpPropertyPage3::COpPropertyPage3(const Values& values, FileDialogService& fileDialogs,
                                   QWidget* parent)
    : QWidget(parent), m_values(values), m_fileDialogs(fileDialogs) {
    m_reservation = withId(new QCheckBox(tr("予約発信機能の使用"), this), kReservation);
    m_msgSendC = withId(new QCheckBox(tr("分割ﾒｯｾｰｼﾞを逆に送信"), this), kMsgSendC);
    m_shoutCutEnd = withId(new QCheckBox(tr("ｼｮｰﾄｶｯﾄ送信時に自動終了"), this), kShoutCutEnd);

    auto* phoneBook = new QGroupBox(tr("電話帳設定"), this);
    m_pbEditExe =
        withId(new QCheckBox(tr("拡張電話帳設定ツール(PBEDIT.EXE)を使う"), phoneBook), kPbEditExe);
    (new QVBoxLayout(phoneBook))->addWidget(m_pbEditExe);

    auto* editor = new QGroupBox(tr("LOGﾌｧｲﾙｴﾃﾞｨﾀ設定"), this);
    m_editExeFile = withId(new QLineEdit(editor), kEditExeFile);
    auto* browse = withId(new QPushButton(tr("参照"), editor), kBrowse);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowseEditor(); });
    auto* editorRow = new QHBoxLayout(editor);
    editorRow->addWidget(m_editExeFile, 1);
    editorRow->addWidget(browse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_reservation);
    layout->addWidget(m_msgSendC);
    layout->addWidget(m_shoutCutEnd);
    layout->addWidget(phoneBook);
    layout->addWidget(editor);
    layout->addStretch(1);
    DoDataExchange(false);
}

bool COpPropertyPage3::DoDataExchange(bool saveAndValidate) {
    Values& v = m_values;
    if (!saveAndValidate) {
        setCheck(m_reservation, v.Reservation);
        setCheck(m_msgSendC, v.MsgSendC);
        setCheck(m_shoutCutEnd, v.ShoutCutEnd);
        setCheck(m_pbEditExe, v.PbEditExe);
        m_editExeFile->setText(fromCp932(v.EditExeFile));
        return true;
    }
    const std::optional<std::string> editExeFile = takeText(m_editExeFile, true);
    if (!editExeFile)
        return false;
    v = {check(m_reservation), check(m_msgSendC), check(m_shoutCutEnd), check(m_pbEditExe),
         *editExeFile};
    return true;
}

void COpPropertyPage3::OnBrowseEditor() {
    // The pattern for all files is "*" here: "*.*" would skip names without a dot.
    const QString path = m_fileDialogs.getOpenFileName(this, QStringLiteral("Open"),
                                                       tr("実行ファイル (*.exe);;All Files (*)"));
    if (path.isEmpty())
        return;
    // A path that would come back changed would name another file.
    if (!toCp932Exactly(path)) {
        messageBox(unusableCharacterText(), MsgIcon::Exclamation);
        return;
    }
    m_editExeFile->setText(path);
}

} // namespace tonalink
