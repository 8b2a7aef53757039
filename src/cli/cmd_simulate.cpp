#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <mutex>

#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/demo_image.h"
#include "model/dat_file.h"
#include "sim/virtual_radio.h"

namespace qm530::cli {

namespace {

// Points `link` at `target`, replacing an older symbolic link in one step.
// Anything else at `link` stays as it is.
Status MakeLink(const std::string& link, const std::string& target) {
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode))
        return Status::Fail(link + " exists and is not a symbolic link");
    const std::string temporary = link + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(target.c_str(), temporary.c_str()) != 0 ||
        ::rename(temporary.c_str(), link.c_str()) != 0) {
        const Status failed = Status::Fail(link + ": " + std::strerror(errno));
        ::unlink(temporary.c_str());
        return failed;
    }
    return Status::Ok();
}

void RemoveLink(const std::string& link, const std::string& target) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer - 1);
    if (n > 0 && std::string(buffer, static_cast<std::size_t>(n)) == target) ::unlink(link.c_str());
}

// Blocks SIGINT and SIGTERM for as long as it lives, in this thread and in
// the threads it starts, so that the main thread can wait for them.
class BlockedStopSignals {
  public:
    BlockedStopSignals() {
        sigemptyset(&set_);
        sigaddset(&set_, SIGINT);
        sigaddset(&set_, SIGTERM);
        ::pthread_sigmask(SIG_BLOCK, &set_, &old_);
    }
    ~BlockedStopSignals() {
        // Leave nothing pending behind.
        timespec zero{};
        while (::sigtimedwait(&set_, nullptr, &zero) > 0) {
        }
        ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    // True when a stop signal came within `ms` milliseconds.
    bool Wait(int ms) {
        timespec ts{};
        ts.tv_sec = ms / 1000;
        ts.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
        return ::sigtimedwait(&set_, nullptr, &ts) > 0;
    }

  private:
    sigset_t set_{};
    sigset_t old_{};
};

int RunSimulate(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "simulate",
                                {{"--image", true},
                                 {"--save", true},
                                 {"--link", true},
                                 {"--no-pace", false},
                                 {"--fault", true},
                                 {"--blank", false}},
                                0, 0);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    sim::RadioOptions options;
    if (args.Has("--blank") && args.Has("--image")) {
        PrintError(ctx.err, "simulate: --blank and --image exclude each other");
        return exitcode::kUsage;
    }
    if (!args.Has("--blank")) options.memory = DemonstrationImage();
    if (args.Has("--image")) {
        const Result<RadioImage> loaded = LoadImageOrReport(ctx, args.Value("--image"));
        if (!loaded) return loaded.status().exitCode();
        options.memory = *loaded;
    }
    const Result<sim::Fault> faultParsed = sim::ParseFault(args.Value("--fault", "none"));
    if (!faultParsed) {
        PrintError(ctx.err, "simulate: " + faultParsed.detail());
        return exitcode::kUsage;
    }
    options.fault = *faultParsed;
    options.pace = !args.Has("--no-pace");
    auto outputLock = std::make_shared<std::mutex>();
    const std::string savePath = args.Value("--save");
    if (!savePath.empty()) {
        std::ostream& err = ctx.err;
        options.onMemoryStored = [savePath, outputLock, &err](const RadioImage& memory) {
            const Status saved = SaveDatFile(savePath, memory);
            if (!saved) {
                std::lock_guard<std::mutex> lock(*outputLock);
                PrintError(err, "simulate: " + saved.detail());
            }
        };
    }
    const std::string linkPath = args.Value("--link");

    BlockedStopSignals signals;
    std::string device;
    for (;;) {
        sim::VirtualRadio radio(options);
        const Status started = radio.Start();
        if (!started) {
            PrintError(ctx.err, "simulate: " + started.detail());
            return exitcode::kFailed;
        }
        device = radio.DevicePath();
        {
            std::lock_guard<std::mutex> lock(*outputLock);
            ctx.out << device << std::endl;
        }
        if (const Status linked = linkPath.empty() ? Status::Ok() : MakeLink(linkPath, device);
            !linked) {
            PrintError(ctx.err, "simulate: " + linked.detail());
            return exitcode::kFailed;
        }
        {
            std::lock_guard<std::mutex> lock(*outputLock);
            ctx.err << "Virtual radio on " << device
                    << (linkPath.empty() ? "" : " (" + linkPath + ")")
                    << (options.pace ? ", 9600 bit/s" : ", unpaced") << ", fault "
                    << sim::FaultText(options.fault) << ". Ctrl-C ends it.\n";
            ctx.err.flush();
        }
        bool stop = false;
        while (!(stop = signals.Wait(100)) && !radio.HungUp()) {
        }
        radio.Stop();
        options.memory = radio.Memory();
        if (stop) break;
        std::lock_guard<std::mutex> lock(*outputLock);
        ctx.err << "The line hung up; the radio comes back on a new device.\n";
    }
    if (!linkPath.empty()) RemoveLink(linkPath, device);
    return exitcode::kOk;
}

}  // namespace

Command SimulateCommand() {
    static const std::string usage =
        std::string(
            "Usage: qm530 simulate [--image FILE.dat | --blank] [--save FILE.dat]\n"
            "                      [--link PATH] [--no-pace] [--fault KIND[:N]]\n"
            "Runs a virtual radio on a pseudo-terminal until Ctrl-C or SIGTERM. The first\n"
            "line of output is its device path, for --port of read, write and verify.\n"
            "  --image FILE  the radio's memory at the start (default: a demonstration\n"
            "                configuration: six channels in 130 - 160 MHz with CTCSS and DCS\n"
            "                tones, and a few radio-wide settings changed)\n"
            "  --blank       start with the memory of a new radio: no channel programmed\n"
            "  --save FILE   store the memory in FILE, in one step, after every completed\n"
            "                write (all 124 blocks acknowledged); a write that stops part\n"
            "                way leaves FILE as it was\n"
            "  --link PATH   also make PATH a symbolic link to the device\n"
            "  --no-pace     answer blocks at once instead of at the speed of a 9600 bit/s\n"
            "                line (the handshake keeps the line's timing)\n"
            "  --fault KIND  misbehave:\n") +
        sim::kFaultHelp +
        "After a hang-up the radio comes back on a new device, printed as a new line.\n";
    return {"simulate", "run a virtual radio on a pseudo-terminal", usage.c_str(), RunSimulate};
}

}  // namespace qm530::cli
