#pragma once

#include "temp_dir.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tonalink::test {

// A program started in the background with its output captured in files.
class ChildProcess {
public:
    // env entries are added to (or replace) the test's own environment.
    ChildProcess(std::vector<std::string> argv, const std::map<std::string, std::string>& env = {});
    ~ChildProcess(); // kills a child still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    void signal(int number) const;
    // Exit code (128 + signal when killed), or -1 when it did not end in time.
    int wait(std::chrono::milliseconds timeout);
    std::string out() const { return readWholeFile(dir_.path / "out"); }
    std::string err() const { return readWholeFile(dir_.path / "err"); }

private:
    TempDir dir_;
    pid_t pid_ = -1;
};

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `act` in a child process, as the user nobody when the test runs as root,
// whom permissions do not bind; true when it returned true.
bool asUnprivilegedUser(const std::function<bool()>& act);

// Runs a program to its end (at most `timeout`).
RunResult run(std::vector<std::string> argv, const std::map<std::string, std::string>& env = {},
              std::chrono::milliseconds timeout = std::chrono::seconds(30));

} // namespace tonalink::test
