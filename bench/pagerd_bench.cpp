// tonalink-pagerd as a process: SNPP submissions accepted per second on
// loopback, start-up time with a full queue, resident memory idle and full.
#include "snpp_client.h"
#include "temp_dir.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using tonalink::test::readWholeFile;
using tonalink::test::TempDir;
using Clock = std::chrono::steady_clock;

constexpr int kQueued = 10000;

// A child whose stderr goes to a file; killed and reaped at scope end.
struct Spawned {
    pid_t pid = -1;
    Spawned(std::vector<std::string> argv, const std::string& errFile) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT, 0644);
        std::vector<char*> args;
        for (auto& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Spawned() {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    long residentKiB() const {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("VmRSS:"))
                return std::stol(line.substr(6));
        }
        return -1;
    }
};

bool waitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 3000 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return done();
}

// A data folder with one callee, a modem simulator and settings of our own.
struct Setup {
    TempDir dir;
    std::unique_ptr<Spawned> modem;
    Setup() {
        dir.write("call.dat", "[Test]\r\nMsgEndCmd=#\r\nMsgCount=10\r\nFreeWordCnt=2\r\n"
                              "Fe000=[11]A\r\nFe001=[12]B\r\n");
        dir.write("maddress.dat", "[Ann]\r\nPbType=Test\r\nPbCallNo=111\r\n");
        ::setenv("XDG_CONFIG_HOME", dir.path.c_str(), 1);
        modem = std::make_unique<Spawned>(std::vector<std::string>{TONALINK_MODEMSIM_PATH, "--log",
                                                                   dir.file("lines"),
                                                                   dir.file("modem")},
                                          dir.file("modem.err"));
        waitFor([&] { return std::filesystem::exists(dir.path / "modem"); });
    }
    // Starts the daemon; the address it listens on, once it does.
    std::string start(std::unique_ptr<Spawned>& daemon) {
        const std::string err = dir.file("pagerd.err." + std::to_string(++runs));
        daemon = std::make_unique<Spawned>(
            std::vector<std::string>{TONALINK_PAGERD_PATH, "--dir", dir.path.string(), "--listen",
                                     "127.0.0.1:0", "--port", dir.file("modem")},
            err);
        const std::string mark = "listening on ";
        std::string text;
        waitFor([&] { return (text = readWholeFile(err)).find(mark) != std::string::npos; });
        const std::size_t at = text.find(mark) + mark.size();
        return text.substr(at, text.find('\n', at) - at);
    }
    // kQueued pages held for a day, written in one transaction.
    void fillQueue() {
        sqlite3* db = nullptr;
        sqlite3_open(dir.file("pages.sqlite").c_str(), &db);
        sqlite3_exec(db,
                     "BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                     "WHERE i < 10000) INSERT INTO pages(created, hold_until, text, submitter, "
                     "subject, caller_id) SELECT unixepoch(), unixepoch() + 86400, 'AB', '', '', "
                     "'' FROM n; INSERT INTO recipients(page_id, seq, name, group_member, state, "
                     "next_try) SELECT id, 0, 'Ann', 0, 'queued', hold_until FROM pages; COMMIT;",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    int runs = 0;
};

void SnppSubmissions(benchmark::State& state) {
    constexpr int kPages = 1000, kClients = 10;
    for (auto _ : state) {
        Setup setup;
        std::unique_ptr<Spawned> daemon;
        const std::string via = setup.start(daemon);
        std::atomic<int> accepted = 0;
        const auto begin = Clock::now();
        std::vector<std::thread> clients;
        for (int c = 0; c < kClients; ++c) {
            clients.emplace_back([&] {
                std::string error;
                auto client = tonalink::cli::SnppClient::connect(via, &error);
                for (int i = 0; client && i < kPages / kClients; ++i) {
                    client->command("PAGE Ann");
                    client->command("MESS AB");
                    client->command("HOLD 991231235959 +0000");
                    if (auto reply = client->command("SEND"); reply && reply->code == 250)
                        ++accepted;
                }
            });
        }
        for (auto& t : clients)
            t.join();
        const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
        state.SetIterationTime(seconds);
        state.counters["accepted"] = accepted.load();
        state.counters["pages_per_s"] = accepted.load() / seconds;
    }
}
BENCHMARK(SnppSubmissions)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void StartupAndMemory(benchmark::State& state) {
    for (auto _ : state) {
        Setup setup;
        std::unique_ptr<Spawned> daemon;
        setup.start(daemon);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        state.counters["rss_idle_KiB"] = daemon->residentKiB();
        daemon.reset();
        setup.fillQueue();
        const auto begin = Clock::now();
        setup.start(daemon);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - begin).count());
        std::this_thread::sleep_for(std::chrono::seconds(1));
        state.counters["rss_10k_queued_KiB"] = daemon->residentKiB();
    }
}
BENCHMARK(StartupAndMemory)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
