// The queue worked on virtual time: retries by failure class on their schedule,
// and a recipient that cannot be sent never holds the others.
#include "core/common/cp932.h"
#include "page_dispatcher.h"
#include "temp_dir.h"
#include "virtual_modem.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tonalink::pagerd {
namespace {

using test::VirtualModem;

// "Test" has no code for Z; "Wide" has. WaitTime 1 s, CutTime 0 s.
const char* const kCallDat = "[Test]\r\nMsgEndCmd=#\r\nMsgCount=10\r\nWaitTime=1\r\nCutTime=0\r\n"
                             "FreeWordCnt=2\r\nFe000=[11]A\r\nFe001=[12]B\r\n"
                             "[Wide]\r\nMsgEndCmd=#\r\nMsgCount=10\r\nWaitTime=1\r\nCutTime=0\r\n"
                             "FreeWordCnt=3\r\nFe000=[11]A\r\nFe001=[12]B\r\nFe002=[26]Z\r\n";
const char* const kBook = "[Ann]\r\nPbType=Wide\r\nPbCallNo=111\r\nMsgGroup=1\r\n"
                          "[Bob]\r\nPbType=Test\r\nPbCallNo=222\r\nMsgGroup=1\r\n"
                          "[Cat]\r\nPbType=Wide\r\nPbCallNo=333\r\nMsgGroup=1\r\n";
constexpr int64_t kEpoch = 1'800'000'000;

struct Queue {
    test::TempDir dir;
    VirtualModem modem;
    ProgramState state{dir.path.string(), dir.path.string()};
    std::string error;
    std::unique_ptr<PageStore> store =
        PageStore::open((dir.path / "pages.sqlite").string(), true, &error);
    PageDispatcher dispatcher{state,
                              modem,
                              modem,
                              *store,
                              [this] { return kEpoch + modem.now() / 1000; },
                              [](const std::string&) {},
                              [this] { return modem.isOpen(); }};

    Queue() {
        std::ofstream(dir.path / "call.dat", std::ios::binary) << kCallDat;
        std::ofstream(dir.path / "maddress.dat", std::ios::binary) << kBook;
        state.settings.PhoneType = 1;
        state.settings.DefaultOffTime = 0;
    }
    void add(const std::string& text, std::vector<NewRecipient> recipients) {
        ASSERT_TRUE(
            store->addPage({text, kEpoch, "", "", "", std::move(recipients)}, kEpoch, &error))
            << error;
    }
    void runFor(int64_t ms) {
        modem.runUntil(modem.now() + ms, [this](int id) { dispatcher.onTimer(id); });
    }
    // Each recipient as "name state tries failure".
    std::vector<std::string> states() {
        std::vector<std::string> out;
        for (const RecipientRow& r : store->list())
            out.push_back(r.name + " " + std::string(recipientStateName(r.state)) + " " +
                          std::to_string(r.tries) + " " + r.lastFailure);
        return out;
    }
    std::vector<int64_t> dialTimes(const std::string& number) {
        std::vector<int64_t> times;
        for (const auto& line : modem.lines) {
            if (line.line == "ATDT" + number + ";\r\n")
                times.push_back(line.ms);
        }
        return times;
    }
};

TEST(PageDispatcher, LineFailureIsRetriedOnTheScheduleThenFails) {
    Queue queue;
    queue.modem.failFromWrite = 1; // no line write goes through
    queue.add("AB", {{"Bob", false}});
    queue.dispatcher.start();
    queue.runFor(60 * 60 * 1000);
    const std::vector<int64_t> dials = queue.dialTimes("222");
    ASSERT_EQ(dials.size(), 5u);
    // Each try dials 3.5 s after it starts; a try starts at most one look of the
    // queue (2 s) and one clock second after it is due.
    const int64_t waits[] = {60, 120, 300, 600};
    for (std::size_t k = 1; k < dials.size(); ++k) {
        const int64_t gap = dials[k] - dials[k - 1] - 3500;
        EXPECT_GE(gap, waits[k - 1] * 1000 - 1000) << "try " << k + 1;
        EXPECT_LE(gap, waits[k - 1] * 1000 + PageDispatcher::kPollMs + 1000) << "try " << k + 1;
    }
    EXPECT_EQ(queue.states(), std::vector<std::string>{"Bob failed 5 line failed"});

    // Retried by hand, it goes out once the line works again.
    queue.modem.failFromWrite = 0;
    ASSERT_EQ(queue.store->retry(1, kEpoch + queue.modem.now() / 1000), 1);
    queue.runFor(20 * 1000);
    EXPECT_EQ(queue.dialTimes("222").size(), 6u);
    EXPECT_EQ(queue.states(), std::vector<std::string>{"Bob sent 1 "});
}

TEST(PageDispatcher, NotEncodableMemberFailsAtOnceAndTheOthersGoOut) {
    Queue queue;
    queue.add("AZ", {{"Ann", true}, {"Bob", true}, {"Cat", true}});
    queue.add("AB", {{"Bob", false}});
    queue.dispatcher.start();
    queue.runFor(60 * 1000);
    EXPECT_EQ(queue.states(), (std::vector<std::string>{
                                  "Ann sent 1 ", "Bob failed 1 not encodable for the pager type",
                                  "Cat sent 1 ", "Bob sent 1 "}));
    // Bob's unencodable page never reached the line; his other page did, after Cat.
    std::vector<std::string> dialled;
    for (const auto& line : queue.modem.lines) {
        if (line.line.starts_with("ATDT") && line.line.size() == 10)
            dialled.push_back(line.line.substr(4, 3));
    }
    EXPECT_EQ(dialled, (std::vector<std::string>{"111", "333", "222"}));
    // Every member of the broadcast has its record, Bob's as the broadcast's cancel.
    std::ifstream log(queue.dir.path / "bell.log", std::ios::binary);
    std::vector<std::string> records;
    for (std::string row; std::getline(log, row);) {
        if (row.size() > 18 && row[2] == '/')
            records.push_back(row.substr(18));
    }
    const std::string cancelled = cp932::fromUtf8("同報で送信をキャンセル").value();
    EXPECT_EQ(records, (std::vector<std::string>{
                           "111,Ann,Wide,AZ,\"1126#\"\r", "222,Bob,Test,AZ,\"" + cancelled + "\"\r",
                           "333,Cat,Wide,AZ,\"1126#\"\r", "222,Bob,Test,AB,\"1112#\"\r"}));
}

} // namespace
} // namespace tonalink::pagerd
