#pragma once

// Runs build/bin/qm530 as a child process for end-to-end tests.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace qm530::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string MakeTempDir() {
    char tmpl[] = "/tmp/qm530-cli-XXXXXX";
    const char* d = ::mkdtemp(tmpl);
    return d ? d : "/tmp";
}

// The tool keeps a backup of every read in the user's data folder: every
// test program gives it a folder of its own, removed at the end (a test may
// still point XDG_DATA_HOME elsewhere).
inline const std::string& TestDataHome() {
    static const std::string* const dir = [] {
        auto* path = new std::string(MakeTempDir());
        ::setenv("XDG_DATA_HOME", path->c_str(), 1);
        std::atexit([] { std::filesystem::remove_all(TestDataHome()); });
        return path;
    }();
    return *dir;
}
[[maybe_unused]] inline const bool kTestDataHomeSet = !TestDataHome().empty();

inline std::string CliPath() {
    return std::string(QM530_BIN_DIR) + "/qm530";
}

// Starts qm530 with the arguments: stdin is /dev/null, stdout and stderr go
// to the two files. Returns the child's pid, or -1 when it could not start.
inline pid_t SpawnQm530(const std::vector<std::string>& args, const std::string& outPath,
                        const std::string& errPath) {
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&fa, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> all{CliPath()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&fa);
    return pid;
}

// Runs qm530 with the arguments; stdin is /dev/null, stdout and stderr are captured.
inline CliResult RunQm530(const std::vector<std::string>& args) {
    const std::string dir = MakeTempDir();
    const std::string outPath = dir + "/out";
    const std::string errPath = dir + "/err";
    CliResult r;
    const pid_t pid = SpawnQm530(args, outPath, errPath);
    if (pid > 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    r.out = ReadFileText(outPath);
    r.err = ReadFileText(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    ::rmdir(dir.c_str());
    return r;
}

}  // namespace qm530::test
