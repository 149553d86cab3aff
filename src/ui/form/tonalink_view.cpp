#include "ui/form/tonalink_view.h"

#include "core/app/callee_rules.h"
#include "core/app/program_state.h"
#include "core/app/send_job.h"
#include "core/modem/timer_host.h"
#include "platform/log_editor.h"
#include "platform/serial_port.h"
#include "ui/dialogs/op_property_sheet.h"
#include "ui/dialogs/phone_book_dlg.h"
#include "ui/form/callee_fields.h"
#include "ui/form/form_context_menu.h"
#include "ui/form/form_ids.h"
#include "ui/form/pager_type_boxes.h"
#include "ui/form/preview_presenter.h"
#include "ui/form/tonalink_doc.h"
#include "ui/widgets/choice_box.h"
#include "ui/widgets/command_dispatcher.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/frame_wnd.h"
#include "ui/widgets/message_box_service.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/wait_cursor.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QShortcut>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>
#include <algorithm>

namespace tonalink {

CTonalinkView::CTonalinkView(ProgramState& state, LineSink& line, CommandDispatcher& commands,
                             TimerHostFactory makeTimers, QWidget* parent)
    : CFormView(parent), m_state(state), m_line(line), m_commands(commands),
      m_makeTimers(makeTimers ? std::move(makeTimers) : qtTimerHostFactory()) {
    setFont(dialogFont(10));
    m_c = FormControls::create(this);
    connectControls();

    m_clockTimers = m_makeTimers([this](int id) { OnTimer(id); });
}

CTonalinkView::~CTonalinkView() {
    endStartupWaitCursor();
}

void CTonalinkView::connectControls() {
    connect(m_c.send, &QPushButton::clicked, this, [this] { OnSend(); });
    connect(m_c.broadcast, &QPushButton::clicked, this, [this] { OnBroadcast(); });
    connect(m_c.reserve, &QPushButton::clicked, this, [this] { OnReserve(); });
    connect(m_c.addPhrase, &QPushButton::clicked, this, [this] { OnAddPhrase(); });
    connect(m_c.clearMessage, &QPushButton::clicked, this, [this] { OnClearMessage(); });
    connect(m_c.phoneBook, &QPushButton::clicked, this, [this] { OnPhoneBook(); });
    connect(m_c.clearCallee, &QPushButton::clicked, this, [this] { OnClearCallee(); });
    connect(m_c.view, &QPushButton::clicked, this, [this] { OnCommandView(); });
    for (int n = 0; n < 3; ++n) {
        connect(m_c.custom[n], &QPushButton::clicked, this, [this, n] { OnCustomCommand(n + 1); });
    }
    connect(m_c.callNumber, &QLineEdit::textChanged, this, [this] { OnChangeCallNumber(); });
    connect(m_c.message, &QPlainTextEdit::textChanged, this, [this] { OnChangeMessage(); });
    connect(m_c.pagerType, &QComboBox::activated, this, [this] { OnSelChangePagerType(); });
    connect(m_c.messageMode, &QComboBox::activated, this, [this] { OnSelChangeMessageMode(); });
    connect(m_c.messageMode, &ChoiceBox::selectionCancelled, this,
            [this] { m_c.message->setFocus(); });

    // The keyboard's way to the context menu, wherever the focus is on the form.
    auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { openKeyboardContextMenu(); });
}

void CTonalinkView::registerCommands() {
    CommandDispatcher& commands = m_commands;
    commands.setHandler(cmd::kOpenLog, this, [this] { OnOpenLog(); });
    commands.setHandler(cmd::kExitMenu, this, [this] { m_commands.post(cmd::kAppExit); });
    commands.setHandler(cmd::kCreateShortcut, this, [this] { OnCreateShortcut(); });
    commands.setHandler(cmd::kLoadShortcutAndSend, this, [this] { OnLoadShortcutAndSend(); });
    commands.setHandler(cmd::kPhoneBookSettings, this, [this] { OnPhoneBookSettings(); });
    commands.setHandler(cmd::kPagerTypeSettings, this, [this] { OnPagerTypeSettings(); });
    commands.setHandler(cmd::kAddToMessageList, this, [this] { OnAddToMessageList(); });
    commands.setHandler(cmd::kInsertFromMessageList, this, [this] { OnInsertFromMessageList(); });
    commands.setHandler(cmd::kReplaceWithMessageList, this, [this] { OnReplaceWithMessageList(); });
    // The edit commands act on the message wherever the focus is.
    commands.setHandler(cmd::kEditPaste, this, [this] { m_c.message->paste(); });
    commands.setHandler(cmd::kEditUndo, this, [this] { m_c.message->undo(); });
    commands.setHandler(cmd::kEditCopy, this, [this] { m_c.message->copy(); });
    commands.setHandler(cmd::kEditCut, this, [this] { m_c.message->cut(); });
}

void CTonalinkView::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_messageText = m_c.message->toPlainText();
        m_callNumber = m_c.callNumber->text();
        m_password = m_c.password->text();
        return;
    }
    m_c.message->setPlainText(m_messageText);
    m_c.callNumber->setText(m_callNumber);
    m_c.password->setText(m_password);
}

void CTonalinkView::OnInitialUpdate() {
    DoDataExchange(false);
    CFormView::OnInitialUpdate();
    m_state.clock.startupDone = false;
    if (!m_clockTimers->startTimer(kClockTimer, kClockMs)) {
        messageBox(tr("ｳｨﾝﾄﾞｳ内で利用可能なﾀｲﾏがありません。\n時刻表示できません。"),
                   MsgIcon::Exclamation);
    } else if (!m_waitingForFirstTick) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitingForFirstTick = true;
    }
    m_state.clock.tickCount = 0;
    m_state.clock.sendAtTick = FormClock::kNoSendPending;
    m_c.messageMode->setCurrentIndex(0);
}

void CTonalinkView::endStartupWaitCursor() {
    if (m_waitingForFirstTick) {
        m_waitingForFirstTick = false;
        QGuiApplication::restoreOverrideCursor();
    }
}

void CTonalinkView::OnTimer(int id) {
    if (id != kClockTimer) {
        return;
    }
    // Rearm first: a send started from this tick runs a modal call window, and the
    // clock must go on ticking under it.
    m_clockTimers->startTimer(kClockTimer, kClockMs);

    if (CFrameWnd* frame = GetParentFrame()) {
        frame->SetPaneText(kClockPane, QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    }
    FormClock& clock = m_state.clock;
    if (!clock.startupDone) {
        clock.startupDone = true;
        endStartupWaitCursor();
        RefreshFormLists(false);
        CTonalinkDoc* document = GetDocument();
        if (document && document->shortcut.applied == 0) {
            document->shortcut.applied = 1;
            ApplyShortcut();
        }
    }
    if (m_sendSource == SendSource::ShortcutPending && clock.tickCount == clock.sendAtTick) {
        m_sendSource = SendSource::Shortcut;
        clock.sendAtTick = FormClock::kNoSendPending;
        OnSend();
    }
    ++clock.tickCount;
}

void CTonalinkView::MakeShortcutSendPending() {
    m_sendSource = SendSource::ShortcutPending;
    m_state.clock.sendAtTick = m_state.clock.tickCount + 3;
}

void CTonalinkView::RefreshFormLists(bool keepPath) {
    if (m_state.pagerTypes.ListPagerTypes(keepPath) != 0) {
        messageBox(tr("ポケベル情報ファイルがありません"), MsgIcon::Stop);
    }
    fillPagerTypeBox(m_c.pagerType, m_state.pagerTypes.PagerTypeNames);
    const Settings& settings = m_state.settings;
    m_c.reserve->setVisible(settings.Reservation == 1);
    const std::string* commands[3] = {&settings.CustomCommand1, &settings.CustomCommand2,
                                      &settings.CustomCommand3};
    for (int n = 0; n < 3; ++n) {
        m_c.custom[n]->setVisible(!commands[n]->empty());
    }
    if (m_c.callNumber->text().isEmpty()) {
        m_c.send->setEnabled(false);
        m_c.reserve->setEnabled(false);
    }
}

int CTonalinkView::CollectFormFields() {
    bool all = true;
    const auto take = [&all](const QString& text, std::string& field) {
        std::optional<std::string> bytes = toCp932(text);
        all = all && bytes.has_value();
        field = bytes ? std::move(*bytes) : std::string();
    };
    CurrentSend& send = m_state.currentSend;
    take(m_c.callNumber->text(), send.CallNumber);
    take(m_c.centreNumber->text(), send.CentreNumber);
    take(withCrLf(m_c.message->toPlainText()), send.MessageText);
    take(m_c.password->text(), send.CallPassword);
    send.PagerTypeName = selectedPagerTypeName(m_c.pagerType);
    send.MessageMode = m_c.messageMode->currentIndex();
    return all ? 0 : -1;
}

void CTonalinkView::UpdatePreview() {
    if (CollectFormFields() != 0) {
        showPreview(m_c, unsendablePreview());
        return;
    }
    showPreview(m_c, PreparePreview(m_state.encoder, encoderInput(m_state)));
}

void CTonalinkView::OnSend() {
    // Only the send a shortcut started counts as its send; the next is the user's.
    const bool shortcutSend = m_sendSource == SendSource::Shortcut;
    if (shortcutSend) {
        m_sendSource = SendSource::Normal;
    }
    // Text CP932 cannot hold cannot go out, just as text the pager cannot encode.
    const bool collected = CollectFormFields() == 0;
    if (m_c.message->toPlainText().isEmpty()) {
        messageBox(tr("ﾒｯｾｰｼﾞを入力してください。"));
        return;
    }
    if (runCallDialog(collected, SendJob::Kind::Single).outcome != SendOutcome::Sent) {
        messageBox(tr("送信をキャンセルしました。"), MsgIcon::Stop);
        return;
    }
    if (shortcutSend && m_state.settings.ShoutCutEnd == 1) {
        m_commands.post(cmd::kAppExit);
        return;
    }
    messageBox(tr("送信を終了しました。"), MsgIcon::Information);
}

SendResult CTonalinkView::runCallDialog(bool collected, SendJob::Kind kind) {
    if (!collected) {
        return {SendOutcome::Failed, SendFailure::NotEncodable, {}};
    }
    CCallDlg dialog(m_state, m_line, m_makeTimers, window(), kind);
    dialog.exec();
    // A window closed from outside, before its call ended, sent nothing for sure.
    const SendResult result =
        dialog.result().value_or(SendResult{SendOutcome::Cancelled, SendFailure::None, {}});
    if (result.failure == SendFailure::PortNotOpen) {
        messageBox(SerialPort::openFailedText(), MsgIcon::Exclamation);
    }
    return result;
}

void CTonalinkView::OnChangeMessage() {
    if (messageExcess() > 0) {
        // Like the system's edit, the message refuses text beyond its limit. The
        // edit that brought it is still under way: cut once it is done, and that
        // change comes back here.
        QMetaObject::invokeMethod(
            this, [this] { cutMessageExcess(); }, Qt::QueuedConnection);
        return;
    }
    UpdatePreview();
}

int CTonalinkView::messageExcess() const {
    return m_c.message->document()->characterCount() - 1 - form_id::kMessageLimit;
}

void CTonalinkView::cutMessageExcess() {
    const int excess = messageExcess();
    if (excess <= 0) {
        return;
    }
    // The excess is what was just put in before the caret, or else the end.
    QTextCursor cursor = m_c.message->textCursor();
    const int length = m_c.message->document()->characterCount() - 1;
    const int end = cursor.position() >= excess ? cursor.position() : length;
    cursor.setPosition(end - excess);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void CTonalinkView::OnChangeCallNumber() {
    releasePhoneBookEntry(m_c, m_state.phoneBook);
    swapSendButtons(m_c);
}

void CTonalinkView::LoadPagerType() {
    PagerTypeCatalog& catalog = m_state.pagerTypes;
    catalog.LoadPagerType(selectedPagerTypeName(m_c.pagerType));
    fillPhraseBox(m_c.phrases, catalog.PagerType.FormStyles);
    m_c.count->setText(QStringLiteral("0/%1").arg(catalog.PagerType.MsgCount));
}

void CTonalinkView::OnSelChangePagerType() {
    if (m_c.pagerType->currentIndex() < 0) {
        return;
    }
    {
        WaitCursor wait;
        LoadPagerType();
        adaptCalleeFieldsToType(m_c, m_state.pagerTypes.PagerType);
    }
    UpdatePreview();
}

void CTonalinkView::OnSelChangeMessageMode() {
    UpdatePreview();
    m_c.message->setFocus();
}

void CTonalinkView::OnAddPhrase() {
    const QString phrase = fromCp932(selectedPhrase(m_c.phrases));
    m_c.message->setPlainText(m_c.message->toPlainText() + phrase);
    m_c.message->setFocus();
    m_c.message->moveCursor(QTextCursor::End);
    m_c.message->ensureCursorVisible();
    UpdatePreview();
}

void CTonalinkView::OnClearMessage() {
    m_c.view->setEnabled(false);
    m_c.message->clear();
    m_c.messageMode->setCurrentIndex(0);
    m_c.messageMode->setEnabled(true);
    m_c.message->setFocus();
    UpdatePreview();
}

void CTonalinkView::OnClearCallee() {
    // Emptying an empty field announces no change; the entry must go all the same.
    const bool alreadyEmpty = m_c.callNumber->text().isEmpty();
    clearCalleeFields(m_c, m_state.pagerTypes.PagerType);
    if (alreadyEmpty) {
        OnChangeCallNumber();
    }
}

int CTonalinkView::ApplyPhoneBookEntry(const std::string& name) {
    {
        WaitCursor wait;
        const AppliedCallee applied = tonalink::ApplyPhoneBookEntry(m_state, name);
        selectPagerTypeByName(m_c.pagerType, applied.pagerTypeName.value_or(std::string()));
        fillPhraseBox(m_c.phrases, m_state.pagerTypes.PagerType.FormStyles);
        // What the type does not take is emptied: a password typed before, or one a
        // broadcast's member before left, must not go to this callee.
        const CurrentSend& send = m_state.currentSend;
        m_c.callNumber->setText(fromCp932(send.CallNumber));
        m_c.centreNumber->setText(fromCp932(send.CentreNumber));
        m_c.password->setText(fromCp932(send.CallPassword));
        adaptCalleeFieldsToType(m_c, m_state.pagerTypes.PagerType);
    }
    UpdatePreview();
    return 0;
}

void CTonalinkView::OnPhoneBook() {
    CPhoneBookDlg picker(m_state.phoneBook, window());
    PhoneBook& phoneBook = m_state.phoneBook;
    if (picker.exec() != QDialog::Accepted) {
        phoneBook.PbEntryName.clear();
        m_c.calleeCaption->clear();
        return;
    }
    const std::string name = picker.selectedName();
    if (name.empty()) {
        return;
    }
    ApplyPhoneBookEntry(name);
    holdPhoneBookEntry(name);
    m_c.message->setFocus();
    m_c.message->moveCursor(QTextCursor::End);
}

void CTonalinkView::holdPhoneBookEntry(const std::string& name) {
    // The callee's pager type holds while the entry is applied.
    if (m_c.pagerType->currentIndex() >= 0) {
        m_c.pagerType->setEnabled(false);
    }
    adaptCalleeFieldsToType(m_c, m_state.pagerTypes.PagerType);
    m_c.calleeCaption->setText(QStringLiteral("TO %1").arg(fromCp932(name)));
    m_state.phoneBook.PbEntryName = name;
}

void CTonalinkView::OnOptions(FileDialogService& fileDialogs) {
    COpPropertySheet sheet(m_state.settings, fileDialogs, window());
    if (sheet.exec() == QDialog::Accepted) {
        sheet.ApplyOptions(m_state.settings);
        m_c.reserve->setVisible(m_state.settings.Reservation == 1);
        // The next tick redoes the deferred start-up work, so lists and buttons follow.
        m_state.clock.startupDone = false;
    }
    UpdatePreview();
}

void CTonalinkView::OnOpenLog() {
    SendLog& log = m_state.sendLog;
    log.FlushLog();
    const QString path = QFileInfo(QFile::decodeName(log.logPath().c_str())).absoluteFilePath();
    if (!startLogEditor(fromCp932(m_state.settings.EditExeFile), path)) {
        messageBox(tr("ファイルが見つかりませんでした。"), MsgIcon::Exclamation);
    }
}

void CTonalinkView::OnContextMenu(QPoint screenPoint) {
    trackFormContextMenu(this, screenPoint, [this](int id) { m_commands.dispatch(id); });
}

void CTonalinkView::openKeyboardContextMenu() {
    OnContextMenu(mapToGlobal(QPoint(5, 5)));
}

void CTonalinkView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        OnContextMenu(event->globalPos());
    } else {
        openKeyboardContextMenu();
    }
}

void CTonalinkView::OnClose() {
    m_c.message->clear();
    m_clockTimers->killTimer(kClockTimer);
}

void CTonalinkView::SetMessageText(const std::string& cp932Text) {
    m_c.message->setPlainText(withLf(fromCp932(cp932Text)));
}

void CTonalinkView::SetCalleeCaption(const QString& caption) {
    m_c.calleeCaption->setText(caption);
}

void CTonalinkView::SelectMessageMode(int mode) {
    m_c.messageMode->setCurrentIndex(mode);
}

QSize CTonalinkView::sizeHint() const {
    // At least the template's 236 x 191 units, so the form keeps its proportions.
    return CFormView::sizeHint().expandedTo(DialogUnits(font()).size(236, 191));
}

} // namespace tonalink
