#pragma once

#include "core/app/form_clock.h"
#include "ui/dialogs/call_dlg.h"
#include "ui/form/form_controls.h"
#include "ui/form/form_view.h"

#include <QString>
#include <memory>
#include <string>

namespace tonalink {

class CommandDispatcher;
class FileDialogService;
class LineSink;
class TimerHost;
struct ProgramState;

// The main form (template 101): the callee, the pager type, the message mode,
// the message with its live preview, and the send buttons. It keeps almost no
// state of its own: before every preview and every send it copies its fields into
// the application's current send.
class CTonalinkView : public CFormView {
    Q_OBJECT
public:
    static constexpr int kClockTimer = 1;
    static constexpr int kClockMs = 1000;
    static constexpr int kClockPane = 3;

    // The form works on the program state and sends on `line`; `makeTimers` makes
    // the clock's and the call window's timers (empty: the real ones).
    CTonalinkView(ProgramState& state, LineSink& line, CommandDispatcher& commands,
                  TimerHostFactory makeTimers = {}, QWidget* parent = nullptr);
    ~CTonalinkView() override;

    // Registers the form's own commands (open log, exit, the four edit commands).
    void registerCommands();

    void OnInitialUpdate() override;
    void OnClose() override;

    // Exchanges the members with the controls; `saveAndValidate` reads them.
    void DoDataExchange(bool saveAndValidate);
    // Copies the fields into the current send; 0, or -1 when a field holds a
    // character CP932 cannot hold (the current send is then not usable).
    int CollectFormFields();
    void UpdatePreview();
    void RefreshFormLists(bool keepPath);
    // Fills the callee fields, the pager type and the fixed phrases from one
    // phone-book entry. 0.
    int ApplyPhoneBookEntry(const std::string& name);

    void OnTimer(int id);
    void OnSend();
    void OnPhoneBook();
    void OnChangeMessage();
    void OnChangeCallNumber();
    void OnSelChangePagerType();
    void OnSelChangeMessageMode();
    void OnAddPhrase();
    void OnClearMessage();
    void OnClearCallee();
    void OnOpenLog();
    // The options sheet; its browse button asks `fileDialogs`.
    void OnOptions(FileDialogService& fileDialogs);
    void OnContextMenu(QPoint screenPoint);
    void OnBroadcast();
    void OnReserve();
    void OnPhoneBookSettings();
    void OnPagerTypeSettings();
    void OnAddToMessageList();
    void OnInsertFromMessageList();
    void OnReplaceWithMessageList();
    // Appends the marker of custom command n (1 to 3) to the message.
    void OnCustomCommand(int n);
    void OnCommandView();

    // A loaded shortcut is sent on the third tick from now.
    void MakeShortcutSendPending();
    // The document's callee and message into the form, and its send made pending.
    void ApplyShortcut();
    void OnCreateShortcut();
    void OnLoadShortcutAndSend();
    SendSource sendSource() const { return m_sendSource; }

    const FormControls& controls() const { return m_c; }
    // The message as CP932 with CR LF line ends; empty when it cannot be converted.
    void SetMessageText(const std::string& cp932Text);
    void SetCalleeCaption(const QString& caption);
    void SelectMessageMode(int mode);

    QSize sizeHint() const override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void connectControls();
    void LoadPagerType();
    void openKeyboardContextMenu();
    int messageExcess() const;
    void cutMessageExcess();
    void endStartupWaitCursor();
    // Runs the call window for the current send (`collected`: its fields could be
    // taken) and returns how it ended; a port that is not open is said here.
    SendResult runCallDialog(bool collected, SendJob::Kind kind);
    // The entry stays applied: its pager type held, its name shown.
    void holdPhoneBookEntry(const std::string& name);
    // A registered message chosen in the list, at the caret or as the whole message.
    void putRegisteredMessage(bool wholeMessage);
    void focusMessageEnd();

    ProgramState& m_state;
    LineSink& m_line;
    CommandDispatcher& m_commands;
    TimerHostFactory m_makeTimers;
    FormControls m_c;
    std::unique_ptr<TimerHost> m_clockTimers;
    bool m_waitingForFirstTick = false;

    // Exchanged with the controls by DoDataExchange, in template order.
    QString m_messageText;
    QString m_callNumber;
    QString m_password;
    SendSource m_sendSource = SendSource::Normal;
};

} // namespace tonalink
