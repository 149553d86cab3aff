#include "core/common/cp932.h"
#include "cp932_text.h"
#include "form_fixture.h"
#include "ui/dialogs/broadcast_dlg.h"
#include "ui/dialogs/caution_dlg.h"
#include "ui/dialogs/reserve_dlg.h"
#include "ui/dialogs/reserve_wait_dlg.h"
#include "ui/form/form_ids.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/modal_loops.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <fstream>

using namespace tonalink;
using namespace tonalink::test;
namespace id = tonalink::form_id;

namespace {

using Strings = std::vector<std::string>;
using Lines = std::vector<std::string>;

const std::string kHangUp = "ATE1V1Q0H0\r\n";
const std::string kCodes = "ATDT*2*211##;\r\n"; // "ｱ" on フリーワード標準

// Runs `act` on every modal window as it opens, until it returns false.
void forEachModal(std::function<bool(QWidget*)> act) {
    auto* poll = new QTimer;
    auto seen = std::make_shared<QPointer<QWidget>>();
    QObject::connect(poll, &QTimer::timeout, [poll, seen, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == seen->data()) {
            return;
        }
        *seen = modal;
        if (!act(modal)) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

void click(QWidget* dialog, int id) {
    qobject_cast<QAbstractButton*>(GetDlgItem(dialog, id))->click();
}

// bell.log records without their date and time.
Strings records(const SendLog& log) {
    Strings got;
    for (const std::string& line : log.logLines()) {
        got.push_back(cp932::toUtf8Lossy(line.substr(18)));
    }
    return got;
}

} // namespace

class BroadcastTest : public FormTest {
protected:
    void configure() override {
        settings.PhoneType = 1;
        settings.Groups = {cp932Bytes("営業部"), "B", "C", "D"};
        const std::string type = "PbType=" + cp932Bytes("フリーワード標準") + "\r\n";
        std::ofstream(logDir.filePath("maddress.dat").toStdString(), std::ios::binary)
            << "[A]\r\n" + type + "PbCallNo=0201110001\r\nMsgGroup=1\r\n"
            << "[B]\r\n" + type + "PbCallNo=0201110002\r\nMsgGroup=3\r\n"
            << "[C]\r\n" + type + "PbCallNo=0201110003\r\nMsgGroup=1\r\n"
            << "[E]\r\n" + type + "PbCallNo=0201110005\r\nMsgGroup=5\r\n"
            << "[D]\r\n" + type + "PbCallNo=0201110004\r\nMsgGroup=1\r\n";
        phoneBook = PhoneBook(logDir.path().toStdString());
    }
};

TEST_F(BroadcastTest, CallsTheGroupInFileOrderAndACancelledMemberDoesNotStopTheRest) {
    choose(id::kPagerType, utf8("フリーワード標準"));
    control<QPlainTextEdit>(id::kMessage)->setPlainText(utf8("ｱ"));
    ASSERT_TRUE(enabled(id::kBroadcast));
    QStringList groups, counts;
    std::vector<bool> choosable;
    int calls = 0;
    forEachModal([&](QWidget* window) {
        if (qobject_cast<CBroadcastDlg*>(window)) {
            for (int n = 0; n < 4; ++n) {
                auto* group = qobject_cast<QRadioButton*>(GetDlgItem(window, 207 + n));
                groups << group->text() + (group->isChecked() ? "*" : "");
                choosable.push_back(group->isEnabled());
                counts << qobject_cast<QLabel*>(GetDlgItem(window, 211 + n))->text();
            }
            click(window, 1);
        } else if (auto* call = qobject_cast<CCallDlg*>(window); call && ++calls == 2) {
            call->reject();
        }
        return calls < 3;
    });
    view->OnBroadcast();

    EXPECT_EQ(groups, QStringList({utf8("営業部*"), "B", "C", "D"}));
    EXPECT_EQ(counts, QStringList({utf8("3人"), utf8("0人"), utf8("1人"), utf8("0人")}));
    EXPECT_EQ(choosable, std::vector<bool>({true, false, true, false}));
    // The second member is cancelled before its dial: one hang-up, and its record
    // holds the whole message.
    EXPECT_EQ(modemLines(), Lines({"ATDT0201110001;\r\n", kCodes, kHangUp, kHangUp,
                                   "ATDT0201110004;\r\n", kCodes, kHangUp}));
    const std::string type = "フリーワード標準";
    EXPECT_EQ(records(sendLog), Strings({"0201110001,A," + type + ",ｱ,\"*2*211##\"\n",
                                         "0201110003,C," + type + ",ｱ,\"同報で送信をキャンセル\"\n",
                                         "0201110004,D," + type + ",ｱ,\"*2*211##\"\n"}));
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>(
                  {{utf8("送信を終了しました。"), MsgIcon::Information},
                   {utf8("送信できなかった相手があります。\nC : 送信をキャンセルしました"),
                    MsgIcon::Exclamation}}));
    // The form holds the last member.
    EXPECT_EQ(text(id::kCallNumber), "0201110004");
    EXPECT_EQ(text(id::kCalleeCaption), "TO D");
    EXPECT_FALSE(enabled(id::kBroadcast));
}

TEST_F(BroadcastTest, EndingTheProgramEndsTheBroadcastWithTheCallUnderWay) {
    choose(id::kPagerType, utf8("フリーワード標準"));
    control<QPlainTextEdit>(id::kMessage)->setPlainText(utf8("ｱ"));
    timers.divisor = 1; // the call waits long enough to be ended before its dial
    forEachModal([](QWidget* window) {
        if (qobject_cast<CBroadcastDlg*>(window)) {
            click(window, 1);
            return true;
        }
        endModalLoops(); // as a termination signal or the end of the session does
        return false;
    });
    view->OnBroadcast();
    dismissMessageBoxes(false);
    EXPECT_EQ(modemLines(), Lines({kHangUp}));
    EXPECT_EQ(records(sendLog),
              Strings({"0201110001,A,フリーワード標準,ｱ,\"同報で送信をキャンセル\"\n"}));
}

TEST_F(BroadcastTest, NoMessageOrNoGroupCallsNoOne) {
    view->OnBroadcast();
    std::ofstream(logDir.filePath("maddress.dat").toStdString(), std::ios::binary)
        << "[A]\r\nPbCallNo=1\r\nMsgGroup=0\r\n";
    control<QPlainTextEdit>(id::kMessage)->setPlainText(utf8("ｱ"));
    view->OnBroadcast(); // the chooser closes by itself
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("ﾒｯｾｰｼﾞを入力してください。"), MsgIcon::None},
                                         {utf8("送信をキャンセルしました。"), MsgIcon::Stop}}));
    EXPECT_TRUE(modemLines().empty());
    EXPECT_TRUE(sendLog.logLines().empty());
}

class ReserveTest : public FormTest {
protected:
    void configure() override {
        settings.PhoneType = 1;
        now.tm_hour = 9;
        now.tm_min = 5;
        state.localTime = [this] { return now; };
    }
    void fill() {
        choose(id::kPagerType, utf8("フリーワード標準"));
        typeKeys(control(id::kCallNumber), "0201112222");
        control<QPlainTextEdit>(id::kMessage)->setPlainText(utf8("ｱ"));
    }
    static QString spinText(QWidget* dialog, int id) {
        return qobject_cast<QSpinBox*>(GetDlgItem(dialog, id))->cleanText();
    }
    static void typeInto(QWidget* dialog, int id, const QString& text) {
        auto* edit = qobject_cast<QSpinBox*>(GetDlgItem(dialog, id));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    std::tm now{};
};

TEST_F(ReserveTest, WaitsMinimisedForTheMinuteThenSendsAndRestores) {
    fill();
    QStringList proposed, waitText;
    bool minimisedWhileWaiting = false;
    int ticksWhileWaiting = 0;
    forEachModal([&](QWidget* window) {
        if (qobject_cast<CReserveDlg*>(window)) {
            proposed << spinText(window, CReserveDlg::kHour)
                     << spinText(window, CReserveDlg::kMinute);
            typeInto(window, CReserveDlg::kHour, "24");
            click(window, 1); // refused, the dialog stays
            EXPECT_TRUE(window->isVisible());
            typeInto(window, CReserveDlg::kHour, "9");
            typeInto(window, CReserveDlg::kMinute, "6");
            click(window, CReserveDlg::kKeepTime);
            click(window, 1);
        } else if (qobject_cast<CCautionDlg*>(window)) {
            click(window, CCautionDlg::kDontShowAgain);
            click(window, 1);
        } else if (qobject_cast<CReserveWaitDlg*>(window)) {
            waitText
                << qobject_cast<QLabel*>(GetDlgItem(window, CReserveWaitDlg::kTimeText))->text();
            minimisedWhileWaiting = view->window()->isMinimized();
            // The form's clock goes on; the check ticks find 9:05 until it is 9:06.
            const int before = clock.tickCount;
            timers.clock->fire(CTonalinkView::kClockTimer);
            ticksWhileWaiting = clock.tickCount - before;
            QTest::qWait(500);
            EXPECT_TRUE(window->isVisible());
            now.tm_min = 6;
            return false;
        }
        return true;
    });
    view->OnReserve();

    EXPECT_EQ(proposed, QStringList({"9", "5"}));
    EXPECT_EQ(waitText, QStringList({" 9: 6"}));
    EXPECT_TRUE(minimisedWhileWaiting);
    EXPECT_EQ(ticksWhileWaiting, 1);
    EXPECT_FALSE(view->window()->isMinimized());
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>(
                  {{"Please enter an integer between 0 and 23.", MsgIcon::Exclamation},
                   {utf8("送信処理を終了しました。"), MsgIcon::Information}}));
    EXPECT_EQ(std::tuple(settings.AppEnd, settings.Hour, settings.Minuth, settings.SaveTime,
                         settings.DispMessage),
              std::tuple(0, 9, 6, 1, 1));
    EXPECT_EQ(modemLines(), Lines({"ATDT0201112222;\r\n", kCodes, kHangUp}));
    EXPECT_EQ(sendLog.logLines().size(), 1u);
}

TEST_F(ReserveTest, CancelledWaitSendsNothingAndExitAfterSendingEndsTheProgram) {
    settings.SaveTime = 1;
    settings.Hour = 9;
    settings.Minuth = 5;
    settings.AppEnd = 1;
    settings.DispMessage = 1;
    int exits = 0;
    QObject owner;
    commands.setHandler(cmd::kAppExit, &owner, [&exits] { ++exits; });
    fill();
    const auto reserve = [this](bool cancelWait) {
        forEachModal([cancelWait](QWidget* window) {
            if (qobject_cast<CReserveDlg*>(window)) {
                click(window, 1);
            } else if (qobject_cast<CReserveWaitDlg*>(window)) {
                if (cancelWait) {
                    click(window, 2);
                }
                return false;
            }
            return true;
        });
        view->OnReserve();
        QCoreApplication::processEvents();
    };

    reserve(true);
    EXPECT_TRUE(view->window()->isMinimized());
    EXPECT_TRUE(modemLines().empty());
    reserve(false); // 9:05 is now: sent at the first check
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(messageBoxes().shown.empty());
    EXPECT_EQ(modemLines(), Lines({"ATDT0201112222;\r\n", kCodes, kHangUp}));
    EXPECT_EQ(sendLog.logLines().size(), 1u);
}
