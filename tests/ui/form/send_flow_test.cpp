#include "child_process.h"
#include "core/modem/dialog_result.h"
#include "form_fixture.h"
#include "ui/dialogs/call_dlg.h"
#include "ui/form/form_ids.h"
#include "ui/widgets/command_ids.h"
#include "ui/widgets/modal_loops.h"
#include "ui/widgets/qt_text.h"

#include <QPushButton>
#include <fstream>
#include <regex>
#include <sstream>

using namespace tonalink;
using namespace tonalink::test;
namespace id = tonalink::form_id;

namespace {

const QString kStandard = utf8("フリーワード標準");
// Fifteen kana: fourteen fill the first part of a 30-digit pager, one goes on.
const QString kTwoPartMessage = utf8("アイウエオカキクケコサシスセソ");
const std::string kPart0 = "*2*21112131415212223242531323334##";
const std::string kPart1 = "*2*235##";

std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    return fields;
}

QString labelText(QWidget* dialog, int id) {
    return qobject_cast<QLabel*>(GetDlgItem(dialog, id))->text();
}

} // namespace

class SendFlowTest : public FormTest {
protected:
    void configure() override { settings.PhoneType = 1; } // tone dialling

    void fillForm(const QString& message) {
        choose(id::kPagerType, kStandard);
        typeKeys(control(id::kCallNumber), "0201112222");
        control<QPlainTextEdit>(id::kMessage)->setPlainText(message);
    }
    void press(int button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    std::string bellLog() const {
        std::ifstream in(logDir.filePath("bell.log").toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(SendFlowTest, TwoPartMessageIsDialledSentLoggedAndReported) {
    fillForm(kTwoPartMessage);
    ASSERT_EQ(text(id::kCount), "34/30");
    ASSERT_TRUE(enabled(id::kSend));
    press(id::kSend);

    const std::vector<std::string> expected = {"ATDT0201112222;\r\n",     "ATDT" + kPart0 + ";\r\n",
                                               "ATE1V1Q0H0\r\n",          "ATDT0201112222;\r\n",
                                               "ATDT" + kPart1 + ";\r\n", "ATE1V1Q0H0\r\n"};
    EXPECT_EQ(modemLines(), expected);
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("送信を終了しました。"), MsgIcon::Information}}));

    ASSERT_TRUE(sendLog.FlushLog());
    const std::string log = bellLog();
    const std::string header = "Tonalink with Win32 Message Log "
                               "file\r\nDate,Time,CallNo,Name,Type,Message,Command\r\n\r\n";
    ASSERT_EQ(log.substr(0, header.size()), header);
    std::stringstream records(log.substr(header.size()));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(records, line);) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        std::vector<std::string> fields = csvFields(line);
        ASSERT_EQ(fields.size(), 7u) << line;
        fields.erase(fields.begin(), fields.begin() + 2); // date and time
        rows.push_back(fields);
    }
    const std::string type = *toCp932(kStandard);
    const std::vector<std::vector<std::string>> expectedRows = {
        {"0201112222", "", type, *toCp932(kTwoPartMessage.left(14)), "\"" + kPart0 + "\""},
        {"0201112222", "", type, *toCp932(kTwoPartMessage.mid(14)), "\"" + kPart1 + "\""}};
    EXPECT_EQ(rows, expectedRows);
}

TEST_F(SendFlowTest, CancelDuringTheSecondPartLogsOnlyTheFirst) {
    fillForm(kTwoPartMessage);
    bool cancelled = false;
    whenModalOpens<CCallDlg>([&cancelled](CCallDlg* dialog) {
        auto* poll = new QTimer(dialog);
        QObject::connect(poll, &QTimer::timeout, [dialog, poll, &cancelled] {
            if (labelText(dialog, CCallDlg::kPartCounter) == "2/2" &&
                labelText(dialog, CCallDlg::kStatus) == utf8("メッセージ送信中")) {
                poll->stop();
                cancelled = true;
                QTest::mouseClick(GetDlgItem(dialog, CCallDlg::kCancel), Qt::LeftButton);
            }
        });
        poll->start(1);
    });
    press(id::kSend);
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("送信をキャンセルしました。"), MsgIcon::Stop}}));
    const std::vector<std::string> expected = {"ATDT0201112222;\r\n",     "ATDT" + kPart0 + ";\r\n",
                                               "ATE1V1Q0H0\r\n",          "ATDT0201112222;\r\n",
                                               "ATDT" + kPart1 + ";\r\n", "ATE1V1Q0H0\r\n"};
    EXPECT_EQ(modemLines(), expected);
    ASSERT_EQ(sendLog.logLines().size(), 1u);
    EXPECT_NE(sendLog.logLines()[0].find("\"" + kPart0 + "\""), std::string::npos);
    // The form keeps every field for another try.
    EXPECT_EQ(text(id::kMessage), kTwoPartMessage);
    EXPECT_EQ(text(id::kCallNumber), "0201112222");
}

TEST_F(SendFlowTest, CallWindowShowsCalleeNumberStatusAndPartWithoutSystemMenu) {
    fillForm(utf8("アイ"));
    phoneBook.PbEntryName = *toCp932(utf8("山田 太郎"));
    struct Seen {
        QString title, name, number, status, counter, redial, cancel;
        Qt::WindowFlags flags;
    } seen;
    whenModalOpens<CCallDlg>([&seen](CCallDlg* dialog) {
        seen.title = dialog->windowTitle();
        seen.flags = dialog->windowFlags();
        seen.name = labelText(dialog, CCallDlg::kEntryName);
        seen.number = labelText(dialog, CCallDlg::kNumber);
        seen.status = labelText(dialog, CCallDlg::kStatus);
        seen.redial = qobject_cast<QPushButton*>(GetDlgItem(dialog, CCallDlg::kRedial))->text();
        seen.cancel = qobject_cast<QPushButton*>(GetDlgItem(dialog, CCallDlg::kCancel))->text();
        auto* poll = new QTimer(dialog);
        QObject::connect(poll, &QTimer::timeout, [dialog, poll, &seen] {
            if (labelText(dialog, CCallDlg::kStatus) == utf8("ダイヤル中")) {
                poll->stop();
                seen.counter = labelText(dialog, CCallDlg::kPartCounter);
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        poll->start(1);
    });
    press(id::kSend);
    EXPECT_EQ(seen.title, utf8("呼 出"));
    EXPECT_FALSE(seen.flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(seen.flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(seen.name, utf8("山田 太郎"));
    EXPECT_EQ(seen.number, "0201112222");
    EXPECT_EQ(seen.status, utf8("初期化中"));
    EXPECT_EQ(seen.counter, "1/1");
    EXPECT_EQ(seen.redial, utf8("ﾘﾀﾞｲﾔﾙ"));
    EXPECT_EQ(seen.cancel, utf8("ｷｬﾝｾﾙ"));
    // Esc hung up at once and nothing was logged.
    EXPECT_EQ(modemLines(), std::vector<std::string>({"ATDT0201112222;\r\n", "ATE1V1Q0H0\r\n"}));
    EXPECT_TRUE(sendLog.logLines().empty());
}

TEST_F(SendFlowTest, RedialHangsUpAndDialsTheSamePartAgain) {
    settings.ReDialTime = 1;
    fillForm(utf8("アイ"));
    int redials = 0;
    whenModalOpens<CCallDlg>([&redials](CCallDlg* dialog) {
        auto* poll = new QTimer(dialog);
        QObject::connect(poll, &QTimer::timeout, [dialog, &redials] {
            if (redials == 0 && labelText(dialog, CCallDlg::kStatus) == utf8("ダイヤル中")) {
                ++redials;
                QTest::mouseClick(GetDlgItem(dialog, CCallDlg::kRedial), Qt::LeftButton);
                EXPECT_EQ(labelText(dialog, CCallDlg::kStatus), utf8("リダイヤル待機中"));
            }
        });
        poll->start(1);
    });
    press(id::kSend);
    EXPECT_EQ(redials, 1);
    const std::vector<std::string> expected = {"ATDT0201112222;\r\n", "ATE1V1Q0H0\r\n",
                                               "ATDT0201112222;\r\n", "ATDT*2*21112##;\r\n",
                                               "ATE1V1Q0H0\r\n"};
    EXPECT_EQ(modemLines(), expected);
    EXPECT_EQ(messageBoxes().shown.back().text, utf8("送信を終了しました。"));
}

TEST_F(SendFlowTest, EmptyOrUnencodableMessageDialsNothing) {
    fillForm(QString());
    press(id::kSend);
    control<QPlainTextEdit>(id::kMessage)->setPlainText(utf8("漢"));
    view->OnSend(); // the button is disabled; a shortcut's send still gets here
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("ﾒｯｾｰｼﾞを入力してください。"), MsgIcon::None},
                                         {utf8("送信をキャンセルしました。"), MsgIcon::Stop}}));
    EXPECT_TRUE(modemLines().empty());
    EXPECT_TRUE(sendLog.logLines().empty());
}

TEST_F(SendFlowTest, ShortcutSendEndsTheProgramOnlyWhenItSucceeded) {
    settings.ShoutCutEnd = 1;
    int exits = 0;
    QObject owner;
    commands.setHandler(cmd::kAppExit, &owner, [&exits] { ++exits; });
    fillForm(utf8("アイ"));
    const auto sendOnThirdTick = [this] {
        view->MakeShortcutSendPending();
        for (int tick = 0; tick < 4; ++tick) {
            ASSERT_TRUE(timers.clock->fire(CTonalinkView::kClockTimer));
        }
        QCoreApplication::processEvents();
    };

    // Cancelled: the program stays and says so.
    whenModalOpens<CCallDlg>([](CCallDlg* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    sendOnThirdTick();
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("送信をキャンセルしました。"), MsgIcon::Stop}}));

    messageBoxes().shown.clear();
    sendOnThirdTick();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(messageBoxes().shown.empty());
    EXPECT_EQ(sendLog.logLines().size(), 1u);

    // The user's own send afterwards is no shortcut send: it reports and stays.
    press(id::kSend);
    QCoreApplication::processEvents();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{utf8("送信を終了しました。"), MsgIcon::Information}}));
}

class RunningClockSendTest : public SendFlowTest {
protected:
    void configure() override {
        SendFlowTest::configure();
        timers.allScaled = true; // the form's clock runs on real timers too
    }
};

TEST_F(RunningClockSendTest, FormClockKeepsTickingDuringTheCall) {
    fillForm(utf8("アイ"));
    int ticksDuringCall = -1;
    whenModalOpens<CCallDlg>([this, &ticksDuringCall](CCallDlg* dialog) {
        const int atStart = clock.tickCount;
        QObject::connect(dialog, &QDialog::finished, [this, atStart, &ticksDuringCall] {
            ticksDuringCall = clock.tickCount - atStart;
        });
    });
    press(id::kSend);
    // The call takes 28.5 scaled seconds, the clock ticks every scaled second.
    EXPECT_GE(ticksDuringCall, 20);
    EXPECT_EQ(messageBoxes().shown.back().text, utf8("送信を終了しました。"));
}

TEST_F(SendFlowTest, ClosedPortFailsTheSendWithoutDiallingOrLogging) {
    fillForm(kTwoPartMessage);
    port.close();
    press(id::kSend);
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>({{SerialPort::openFailedText(), MsgIcon::Exclamation},
                                         {utf8("送信をキャンセルしました。"), MsgIcon::Stop}}));
    EXPECT_TRUE(sendLog.logLines().empty());
}

TEST_F(SendFlowTest, EndingTheModalLoopsHangsUpTheCallOnceAndAsksNothing) {
    fillForm(kTwoPartMessage);
    whenModalOpens<CCallDlg>([](CCallDlg* dialog) {
        auto* poll = new QTimer(dialog);
        QObject::connect(poll, &QTimer::timeout, [dialog, poll] {
            if (labelText(dialog, CCallDlg::kStatus) == utf8("メッセージ送信中")) {
                poll->stop();
                endModalLoops();
            }
        });
        poll->start(1);
    });
    press(id::kSend);
    dismissMessageBoxes(false);
    EXPECT_TRUE(messageBoxes().shown.empty());
    EXPECT_EQ(modemLines(),
              std::vector<std::string>(
                  {"ATDT0201112222;\r\n", "ATDT" + kPart0 + ";\r\n", "ATE1V1Q0H0\r\n"}));
    EXPECT_TRUE(sendLog.logLines().empty());
}

struct ReplyCase {
    const char* name;
    std::string reply, lines; // the simulator's --reply, the lines it logged
    std::vector<ShownMessage> boxes;
    std::string records; // in bell.log, without dates and times
};

class WindowModemReplies : public SendFlowTest, public testing::WithParamInterface<ReplyCase> {
    void configure() override {
        SendFlowTest::configure();
        timers.divisor = 10; // a reply to the dial comes well before the codes
    }
};

TEST_P(WindowModemReplies, AreToldAndNothingFailedIsLogged) {
    const ReplyCase& c = GetParam();
    const std::string link = logDir.filePath("modem").toStdString(),
                      log = logDir.filePath("lines.jsonl").toStdString();
    ChildProcess simulator({TONALINK_MODEMSIM_PATH, "--log", log, "--reply", c.reply, link});
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(link); }, 5000));
    ASSERT_EQ(port.open(0, {link}), 1);
    fillForm(utf8("ア"));
    press(id::kSend);
    EXPECT_EQ(messageBoxes().shown, c.boxes);
    ASSERT_TRUE(sendLog.FlushLog());
    const std::regex date(R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d,)"),
        line(R"re(\{"t_ms":\d+,"line":"(.*)"\}\n)re");
    const std::string records = std::regex_replace(bellLog(), date, "");
    EXPECT_EQ(records.substr(records.find("\r\n\r\n") + 4), c.records); // after the header
    (void)QTest::qWaitFor([&] { return readWholeFile(log).ends_with("ATE1V1Q0H0\"}\n"); }, 2000);
    EXPECT_EQ(std::regex_replace(readWholeFile(log), line, "$1 "), c.lines);
}

const std::string kFailedLines = "ATZ0 ATDT0201112222; ATE1V1Q0H0 ",
                  kRecord = "0201112222,," + *toCp932(kStandard) + "," + *toCp932(utf8("ア")) +
                            ",\"*2*211##\"\r\n";
const ShownMessage kCancelled{utf8("送信をキャンセルしました。"), MsgIcon::Stop};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Simulator, WindowModemReplies, testing::Values(
    ReplyCase{"Busy", "ATDT0201112222=BUSY", kFailedLines, {{utf8("回線エラーのため送信を中止しました。\n"
              "応答 ： BUSY"), MsgIcon::Exclamation}, kCancelled}, ""},
    ReplyCase{"NoDialtone", "ATD=NO DIALTONE", kFailedLines, {{utf8("回線エラーのため送信を中止しました。\n"
              "応答 ： NO DIALTONE"), MsgIcon::Exclamation}, kCancelled}, ""},
    ReplyCase{"Silent", "=", "ATZ0 ATDT0201112222; ATDT*2*211##; ATE1V1Q0H0 ",
              {{utf8("送信を終了しました。"), MsgIcon::Information}}, kRecord}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });
// clang-format on
