#pragma once

// Runs build/bin/qm530 in the background, for the clone commands' end-to-end
// tests: a virtual radio that keeps serving, or a transfer to interrupt.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "cli_runner.h"

namespace qm530::test {

class Child {
  public:
    // stdin is /dev/null; stdout and stderr go to files in `dir`.
    Child(const std::vector<std::string>& args, const std::string& dir) {
        static int serial = 0;
        const std::string base = dir + "/child" + std::to_string(++serial);
        outPath_ = base + ".out";
        errPath_ = base + ".err";
        pid_ = SpawnQm530(args, outPath_, errPath_);
    }
    ~Child() {
        if (pid_ > 0) Finish(SIGKILL, 2000);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The first line of output, waiting up to `timeoutMs` for it.
    std::string FirstLine(int timeoutMs) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < end) {
            const std::string out = ReadFileText(outPath_);
            const auto nl = out.find('\n');
            if (nl != std::string::npos) return out.substr(0, nl);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return {};
    }

    // Sends `sig` (unless 0) and waits for the end, killing the child when
    // it takes longer than `timeoutMs`.
    CliResult Finish(int sig, int timeoutMs = 15000) {
        CliResult r;
        if (pid_ <= 0) return r;
        if (sig != 0) ::kill(pid_, sig);
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > end) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        pid_ = -1;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = ReadFileText(outPath_);
        r.err = ReadFileText(errPath_);
        return r;
    }

  private:
    pid_t pid_ = -1;
    std::string outPath_;
    std::string errPath_;
};

// `qm530 simulate` with the given options, serving until destroyed.
class Simulator {
  public:
    Simulator(const std::string& dir, std::vector<std::string> options)
        : child_(
              [&] {
                  options.insert(options.begin(), "simulate");
                  return options;
              }(),
              dir),
          device(child_.FirstLine(5000)) {}
    ~Simulator() { Stop(); }

    CliResult Stop() { return child_.Finish(SIGINT); }

  private:
    Child child_;

  public:
    const std::string device;
};

}  // namespace qm530::test
