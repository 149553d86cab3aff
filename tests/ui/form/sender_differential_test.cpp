// Every sender of the window (single send, shortcut, broadcast member, reserved
// send) against tonalink-cli send (single and --group): the same modem lines and
// bell.log records, but for date and time, for every callee of the sample phone
// book and two beyond the form's typing limits, in all four modes.
#include "child_process.h"
#include "core/app/broadcast_groups.h"
#include "core/app/settings_model.h"
#include "core/common/cp932.h"
#include "form_fixture.h"
#include "platform/qt_settings_store.h"
#include "ui/dialogs/broadcast_dlg.h"
#include "ui/dialogs/phone_book_dlg.h"
#include "ui/form/form_ids.h"
#include "ui/form/tonalink_doc.h"
#include "ui/widgets/qt_text.h"

#include <QAbstractButton>
#include <QListWidget>
#include <fstream>
#include <iostream>
#include <regex>

using namespace tonalink;
using namespace tonalink::test;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;
using Transcript = std::pair<Lines, Lines>; // modem lines; records without date and time

const char* const kMessage = "12"; // one part for every type

Lines splitLines(const std::string& bytes) {
    Lines lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// bell.log's records after its header; the file goes.
Lines takeRecords(const fs::path& log) {
    Lines records = splitLines(fs::exists(log) ? readWholeFile(log) : std::string());
    fs::remove(log);
    records.erase(records.begin(), records.begin() + std::min<std::size_t>(3, records.size()));
    for (std::string& record : records)
        record.erase(0, 18);
    return records;
}

// The sample files and two callees beyond the typing limits, with waits of zero seconds.
void writeData(const fs::path& dir) {
    const fs::path sample(TONALINK_SAMPLE_DATA_DIR);
    std::ofstream(dir / "call.dat", std::ios::binary) << std::regex_replace(
        readWholeFile(sample / "call.dat"), std::regex("(WaitTime|CutTime)=[0-9]+"), "$1=0");
    std::ofstream(dir / "maddress.dat", std::ios::binary)
        << readWholeFile(sample / "maddress.dat")
        << *cp932::fromUtf8("[長い 番号]\r\nPbType=フリーワード標準\r\nPbCallNo=0120123456,,,,"
                            "1234567890\r\nMsgGroup=4\r\n[長い 暗証]\r\nPbType=センター経由\r\n"
                            "PbCallNo=02071845531\r\nPhsCallNo=0357218840\r\nPbPassWord="
                            "482193\r\nMsgGroup=4\r\n");
}

// A broadcast cut per member, as the tool names them in order: a member sent has
// one call and one record, any other one record.
std::vector<Transcript> perMember(const Transcript& whole, const Lines& outcomes) {
    std::vector<Transcript> members;
    auto line = whole.first.begin();
    auto record = whole.second.begin();
    for (const std::string& outcome : outcomes) {
        auto& [lines, records] = members.emplace_back();
        const auto end = std::find(line, whole.first.end(), "ATE1V1Q0H0\r");
        if (outcome.ends_with("\tsent") && end != whole.first.end()) {
            lines.assign(line, end + 1);
            line = end + 1;
        }
        if (record != whole.second.end())
            records.push_back(*record++);
    }
    if (!members.empty()) { // what is left shows against the last member
        members.back().first.insert(members.back().first.end(), line, whole.first.end());
        members.back().second.insert(members.back().second.end(), record, whole.second.end());
    }
    return members;
}

// One `tonalink-cli send` in a folder of its own, on a modem of its own.
struct ToolRun {
    ToolRun(Lines args, const fs::path& config) {
        writeData(dir.path);
        args.insert(args.begin(), {TONALINK_CLI_PATH, "--dir", dir.path.string(), "send", "--port",
                                   modem.slavePath(), "--mode"});
        process = std::make_unique<ChildProcess>(
            args, std::map<std::string, std::string>{{"XDG_CONFIG_HOME", config.string()}});
    }
    Transcript finish() {
        EXPECT_GE(process->wait(std::chrono::seconds(120)), 0);
        Lines lines = splitLines(modem.read(SIZE_MAX, 20));
        // Opening the port reset the modem; the window's did so at its start.
        lines.erase(lines.begin(), lines.begin() + (!lines.empty() && lines[0] == "ATZ0\r"));
        return {lines, takeRecords(dir.path / "bell.log")};
    }
    TempDir dir;
    PtyPair modem;
    std::unique_ptr<ChildProcess> process;
};

void click(QWidget* dialog, int id) {
    qobject_cast<QAbstractButton*>(GetDlgItem(dialog, id))->click();
}

// Acts in the modal window of type T that opens next.
template <class T> void inNextModal(std::function<void(T*)> act) {
    QTimer::singleShot(0, [act] { act(qobject_cast<T*>(QApplication::activeModalWidget())); });
}

class SenderDifferentialTest : public FormTest {
protected:
    void configure() override {
        writeData(logDir.path().toStdString());
        const fs::path ini = config.path / "QUILLFERN" / "Tonalink.ini";
        fs::create_directories(ini.parent_path());
        std::ofstream(ini)
            << "[Setting]\nPhoneType=1\nDefaultOffTime=0\n[Service]\nDispMessage=1\n";
        QtSettingsStore store(QString::fromStdString(ini.string()));
        loadSettings(store, settings); // the tool's settings
        pagerTypes = PagerTypeCatalog(logDir.path().toStdString());
        phoneBook = PhoneBook(logDir.path().toStdString());
        state.localTime = [] { return std::tm{}; }; // midnight, the reserved send's time
        timers.divisor = 1000;
    }
    Transcript sent() {
        sendLog.FlushLog();
        return {splitLines(pty.read(SIZE_MAX, 5)),
                takeRecords(logDir.filePath("bell.log").toStdString())};
    }
    // As a user would: the message and the mode chosen, the callee picked from the book.
    void prepare(int mode, const std::string& pick = {}) {
        view->OnClearCallee();
        control<QPlainTextEdit>(form_id::kMessage)->setPlainText(kMessage);
        chooseIndex(form_id::kMessageMode, mode);
        if (pick.empty())
            return;
        inNextModal<CPhoneBookDlg>([pick](CPhoneBookDlg* picker) {
            auto* list = qobject_cast<QListWidget*>(GetDlgItem(picker, CPhoneBookDlg::kList));
            list->setCurrentItem(list->findItems(fromCp932(pick), Qt::MatchExactly).value(0));
            click(picker, CPhoneBookDlg::kOk);
        });
        view->OnPhoneBook();
    }
    // Opened over whatever callee the form shows, as from the file manager.
    Transcript sendShortcut(const std::string& name, int mode) {
        const ShortcutModes modes = shortcutModesFromMessageMode(mode);
        document.shortcut = {name, kMessage, modes.modeA, modes.modeB, 0};
        clock.startupDone = false;
        for (int tick = 0; tick < 4; ++tick)
            timers.clock->fire(CTonalinkView::kClockTimer);
        return sent();
    }
    // With a password typed before.
    Transcript broadcast(int group, int mode) {
        prepare(mode);
        if (enabled(form_id::kPassword))
            typeKeys(control(form_id::kPassword), "9999");
        inNextModal<CBroadcastDlg>([group](CBroadcastDlg* chooser) {
            click(chooser, CBroadcastDlg::kFirstGroup + group - 1);
            click(chooser, 1);
        });
        messageBoxes().shown.clear();
        view->OnBroadcast();
        return sent();
    }

    TempDir config;
    CTonalinkDoc document;
};

TEST_F(SenderDifferentialTest, EverySenderPutsTheToolsLinesAndRecords) {
    view->setDocument(&document);
    ASSERT_EQ(phoneBook.ListPhoneBook(), 0);
    const Lines callees = phoneBook.PhoneBookNames;
    std::map<std::string, std::unique_ptr<ToolRun>> tool; // every run at once: real time
    for (const std::string mode : {"0", "1", "2", "3"}) {
        for (const std::string& name : callees)
            tool[mode + name] = std::make_unique<ToolRun>(
                Lines{mode, "--entry", cp932::toUtf8Lossy(name), kMessage}, config.path);
        for (const std::string group : {"1", "2", "3", "4"})
            tool[mode + "group" + group] =
                std::make_unique<ToolRun>(Lines{mode, "--group", group, kMessage}, config.path);
    }
    int compared = 0;
    int differing = 0;
    const auto compare = [&](const char* sender, const std::string& name, int mode,
                             const Transcript& window, const Transcript& fromTool) {
        ++compared;
        differing += window != fromTool;
        EXPECT_EQ(window, fromTool) << sender << " " << cp932::toUtf8Lossy(name) << " " << mode;
    };
    for (int mode = 0; mode < 4; ++mode) {
        for (const std::string& name : callees) {
            const Transcript single = tool[std::to_string(mode) + name]->finish();
            compare("shortcut", name, mode, sendShortcut(name, mode), single);
            prepare(mode, name);
            view->OnSend();
            compare("single send", name, mode, sent(), single);
            prepare(mode, name);
            inNextModal<QDialog>([](QDialog* setup) { setup->accept(); });
            view->OnReserve();
            compare("reserved send", name, mode, sent(), single);
        }
        for (int group = 1; group <= kBroadcastGroups; ++group) {
            ToolRun& run = *tool[std::to_string(mode) + "group" + std::to_string(group)];
            const Transcript fromTool = run.finish();
            const Lines outcomes = splitLines(run.process->out());
            const std::vector<Transcript> window = perMember(broadcast(group, mode), outcomes);
            const std::vector<Transcript> members = perMember(fromTool, outcomes);
            const Lines names = groupMembers(phoneBook, group);
            ASSERT_EQ(members.size(), names.size());
            for (std::size_t i = 0; i < names.size(); ++i)
                compare("broadcast member", names[i], mode, window[i], members[i]);
            // The window names the members the tool says it could not send.
            QString notSent = QStringLiteral("送信できなかった相手があります。");
            for (const std::string& outcome : outcomes)
                if (outcome.ends_with("\tnot encodable"))
                    notSent +=
                        QString::fromStdString("\n" + outcome.substr(0, outcome.find('\t'))) +
                        QStringLiteral(" : この呼出機種ではメッセージを変換できません");
            EXPECT_EQ(messageBoxes().shown.back().text,
                      notSent.contains('\n') ? notSent : QStringLiteral("送信を終了しました。"));
        }
    }
    std::cout << "[differential] " << compared << " sender x callee x mode cases compared, "
              << differing << " differ\n";
}

} // namespace
