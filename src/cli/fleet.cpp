#include "cli/fleet.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>

#include "cli/clone_host.h"
#include "cli/console.h"
#include "cli/fleet_display.h"
#include "cli/radio_log.h"
#include "cli/text_table.h"
#include "config/data_dirs.h"
#include "link/backup_store.h"
#include "link/port_name.h"
#include "link/serial_devices.h"
#include "link/transfer_setup.h"
#include "model/messages.h"

namespace qm530::cli {

namespace {

using Clock = std::chrono::steady_clock;

// How often a port that waits for a radio tries a handshake.
constexpr auto kWaitInterval = std::chrono::milliseconds(1000);
// While waiting, a missing radio is noticed sooner: the handshake's reads
// end after these limits instead of 590 and 4090 ms. Once the radio has
// confirmed the handshake the port gets the ordinary limits back.
constexpr link::PortTimeouts kWaitingTimeouts{30, 50, 90, 50, 50};

// Sleeps until `until` or a cancel, whichever comes first.
void SleepUntil(Clock::time_point until) {
    while (!CancelOnSignals::Requested() && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

// The transfer host of a port among several, or of a port that waits for
// radio after radio: progress on the port's status line, no questions.
class FleetHost : public link::TransferHost {
  public:
    enum class Mode {
        kRetries,  // repeat an unconfirmed handshake as often as --retries says
        kWaiting,  // one attempt: a failure before the handshake means no radio yet
        kProbe,    // ends right after a confirmed handshake
    };
    FleetHost(link::TransferDirection direction, std::string label, FleetDisplay& display,
              std::size_t index, int retries, Mode mode)
        : direction_(direction),
          label_(std::move(label)),
          display_(display),
          index_(index),
          retriesLeft_(retries),
          mode_(mode) {}

    link::TransferDirection Direction() override { return direction_; }
    void HandshakeConfirmed() override { handshakeDone_ = true; }
    void ShowMessage(int, const std::string&) override {}
    bool AskRetry(const std::string& detail) override {
        if (CancelOnSignals::Requested()) return true;  // the next pump step cancels
        if (mode_ != Mode::kRetries || retriesLeft_ <= 0) return false;
        --retriesLeft_;
        display_.Set(index_, "no handshake (" + detail + "), retrying");
        return true;
    }
    void Progress(int position) override {
        if (mode_ == Mode::kProbe) return;
        display_.Set(index_, ProgressText(label_, position, link::ProgressSteps(direction_)));
    }
    void PumpOne() override {}
    bool CancelRequested() override {
        return CancelOnSignals::Requested() || (mode_ == Mode::kProbe && handshakeDone_);
    }
    void Sleep(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

  private:
    link::TransferDirection direction_;
    std::string label_;
    FleetDisplay& display_;
    std::size_t index_;
    int retriesLeft_;
    Mode mode_;
    bool handshakeDone_ = false;
};

// The set-up of a transfer on `port`; Ctrl-C ends a read that is waiting for
// the radio at once. A port that waits for a radio notices a missing one
// sooner. A completed read goes into `backups` (may be null).
link::TransferSetup SetupOf(const ClonePort& port, bool waiting, const link::BackupStore* backups) {
    link::TransferSetup setup;
    setup.portName = port.name;
    setup.device = port.device;
    setup.makePort = port.makePort;
    if (waiting) setup.timeoutsUntilHandshake = kWaitingTimeouts;
    setup.cancel = CancelOnSignals::Event();
    setup.backups = backups;
    return setup;
}

// Puts the port's name into every line: "COM1: ..." and "qm530: COM1: ...".
std::string Labelled(const std::string& text, const std::string& port) {
    std::string result;
    std::size_t start = 0;
    const std::string tool = "qm530: ";
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size() - 1;
        const std::string line = text.substr(start, end - start + 1);
        if (line.compare(0, tool.size(), tool) == 0) {
            result += tool + port + ": " + line.substr(tool.size());
        } else {
            result += port + ": " + line;
        }
        start = end + 1;
    }
    if (!result.empty() && result.back() != '\n') result += '\n';
    return result;
}

std::string Seconds(double s) {
    char text[24];
    std::snprintf(text, sizeof text, "%.1f", s);
    return text;
}

}  // namespace

struct PortRun::Shared {
    Context& ctx;
    const std::vector<ClonePort>& ports;
    FleetOptions options;
    bool labelled;
    FleetDisplay& display;
    link::BackupStore backups;
};

FleetOptions FleetOptionsOf(const Args& args) {
    FleetOptions o;
    o.repeat = args.Has("--repeat");
    o.logPath = args.Value("--log");
    o.tracePath = args.Value("--trace");
    return o;
}

std::string TracePathOfPort(const std::string& path, const std::string& portName,
                            std::size_t count) {
    if (count <= 1 || path.empty()) return path;
    std::string tag;
    for (const char c : portName) {
        const bool plain =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
        if (plain) {
            tag += c;
        } else if (!tag.empty() && tag.back() != '_') {
            tag += '_';
        }
    }
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    if (!hasExtension) return path + "-" + tag;
    return path.substr(0, dot) + "-" + tag + path.substr(dot);
}

PortRun::PortRun(Shared& shared, std::size_t index, int radioNumber)
    : shared_(shared), index_(index), radioNumber_(radioNumber) {}

const ClonePort& PortRun::Port() const {
    return shared_.ports[index_];
}

bool PortRun::Labelled() const {
    return shared_.labelled;
}

std::ostream& PortRun::Out() {
    return shared_.labelled ? out_ : shared_.ctx.out;
}

std::ostream& PortRun::Err() {
    return shared_.labelled ? err_ : shared_.ctx.err;
}

std::string PortRun::TakeText(std::ostringstream& s) {
    std::string text = s.str();
    s.str({});
    return text;
}

int PortRun::Transfer(link::TransferDirection direction, const std::string& label,
                      RadioImage& image, bool forBackup) {
    const ClonePort& port = Port();
    const bool waiting = shared_.options.repeat && firstTransfer_;
    firstTransfer_ = false;
    const std::string tracePath =
        TracePathOfPort(shared_.options.tracePath, port.name, shared_.ports.size());
    const std::string what =
        std::string(direction == link::TransferDirection::kWrite ? "write" : "read") +
        (label == "Verifying" ? " (verify)"
         : forBackup          ? " for the backup"
                              : "") +
        " on port " + port.name;
    backupPath_.clear();
    backupStatus_ = Status::Ok();
    for (;;) {
        const Clock::time_point attemptStart = Clock::now();
        link::TransferSetup setup = SetupOf(port, waiting, &shared_.backups);
        std::ostringstream trace;
        if (!tracePath.empty()) setup.trace = &trace;
        setup.traceHeading = what;
        link::TransferReport report;
        bool declined = false;
        if (!shared_.labelled && !waiting) {
            TerminalHost host(shared_.ctx, direction, label, port.retries);
            report = link::RunTransferSetup(setup, image, host);
            declined = host.Declined();
        } else {
            FleetHost host(direction, label, shared_.display, index_, port.retries,
                           waiting ? FleetHost::Mode::kWaiting : FleetHost::Mode::kRetries);
            report = link::RunTransferSetup(setup, image, host);
        }
        const link::TransferResult& result = report.result;
        const bool noRadioYet = waiting && !report.handshakeConfirmed &&
                                result.outcome == link::TransferOutcome::kFailed &&
                                !CancelOnSignals::Requested();
        if (noRadioYet) {
            shared_.display.Set(index_, "waiting for a radio (" + result.detail + ")");
            SleepUntil(attemptStart + kWaitInterval);
            continue;
        }
        if (report.handshakeConfirmed) {
            reachedRadio_ = true;
            ident_ = report.identification;
        }
        if (!tracePath.empty()) {
            std::ofstream file(tracePath, std::ios::app);
            file << trace.str();
            if (!file) PrintError(Err(), tracePath + ": cannot write the trace");
        }
        backupPath_ = report.backupPath;
        backupStatus_ = report.backupStatus;
        if (!backupStatus_ && !forBackup) {
            PrintError(Err(), Say(UiLanguage::English, link::backuptext::kNotKept,
                                  {link::BackupFailure(backupStatus_, UiLanguage::English)}));
        }
        return Report(result, declined);
    }
}

int PortRun::Report(const link::TransferResult& result, bool declined) {
    const ClonePort& port = Port();
    switch (result.outcome) {
        case link::TransferOutcome::kCompleted:
            return exitcode::kOk;
        case link::TransferOutcome::kCancelled:
            reason = "cancelled";
            PrintError(Err(), "cancelled; the port is closed");
            if (result.PartlyWritten())
                PrintError(Err(), link::PartlyWrittenText(UiLanguage::English));
            return exitcode::kCancelled;
        case link::TransferOutcome::kFailed:
            break;
    }
    if (declined) {  // the question showed the message
        reason = "no handshake";
        return exitcode::kCommError;
    }
    const char* text = MessageText(result.messageId);
    PrintError(Err(), text != nullptr ? text : "transfer failed");
    PrintError(Err(), result.detail);
    if (result.PartlyWritten()) PrintError(Err(), link::PartlyWrittenText(UiLanguage::English));
    if (result.messageId == msg::kPortOpenFailed) {
        reason = "port not opened: " + result.detail;
        const int n = link::ComPortNumber(port.name);
        if (n == 0) {
            // No advice can attach a device to it.
            PrintError(Err(), "port " + port.name +
                                  " names no device: the COM names are COM1 to COM999 (the "
                                  "desktop program offers COM1 to COM4), or give a device "
                                  "path such as " +
                                  link::ExampleDevicePath());
        } else if (port.device != port.name) {
            const std::string key = "COM" + std::to_string(n);
            const std::string device = port.device.empty() ? "no device" : port.device;
            PrintError(Err(), "port " + port.name + " is " + device + " (set QM530_" + key +
                                  " or " + key + " in section Ports of Program.ini for another)");
        }
        return exitcode::kPortOpenFailed;
    }
    if (result.messageId == msg::kCommError) {
        reason = "no handshake: " + result.detail;
        return exitcode::kCommError;
    }
    reason = "interrupted: " + result.detail;
    return exitcode::kInterrupted;
}

int PortRun::Verify(const RadioImage& expected, const std::string& fileName) {
    RadioImage radio = RadioImage::Blank();
    const int code = Transfer(link::TransferDirection::kRead, "Verifying", radio);
    if (code != exitcode::kOk) return code;
    int compared = 0;
    int differing = 0;
    for (int a = 0; a < static_cast<int>(kImageSize); ++a) {
        if (!link::CarriedBothWays(a)) continue;
        ++compared;
        const auto i = static_cast<std::size_t>(a);
        if (radio[i] == expected[i]) continue;
        if (differing++ == 0) Out() << "address  file  radio\n";
        char line[40];
        std::snprintf(line, sizeof line, "0x%03X    0x%02X  0x%02X\n", a, expected[i], radio[i]);
        Out() << line;
    }
    if (differing > 0) {
        reason = "verify: " + std::to_string(differing) + " of " + std::to_string(compared) +
                 " addresses differ";
        PrintError(Err(), "verify: " + std::to_string(differing) + " of " +
                              std::to_string(compared) +
                              " addresses differ between the radio and " + fileName);
        return exitcode::kVerifyMismatch;
    }
    Out() << "The radio matches " << fileName << " (" << compared << " addresses compared).\n";
    return exitcode::kOk;
}

bool PortRun::RadioAnswers() {
    RadioImage scratch = RadioImage::Blank();
    FleetHost host(link::TransferDirection::kRead, "", shared_.display, index_, 0,
                   FleetHost::Mode::kProbe);
    return link::RunTransferSetup(SetupOf(Port(), true, nullptr), scratch, host).handshakeConfirmed;
}

std::string IdentificationText(const std::vector<std::uint8_t>& ident) {
    if (ident.empty()) return "-";
    bool printable = true;
    for (const std::uint8_t b : ident) printable = printable && b >= 0x20 && b < 0x7F;
    if (printable) return std::string(ident.begin(), ident.end());
    return link::HexBytes(ident);
}

namespace {

struct RadioRecord {
    std::size_t port;
    std::vector<std::uint8_t> ident;
    int code;
    std::string reason;
    double seconds;
};

// The ports of one command run together: radio after radio on each, the
// status lines, the log and what the summary shows.
class Fleet {
  public:
    Fleet(Context& ctx, const std::vector<ClonePort>& ports, const FleetOptions& options,
          const RadioJob& job)
        : ctx_(ctx),
          ports_(ports),
          options_(options),
          job_(job),
          labelled_(ports.size() > 1 || options.repeat),
          display_(ctx.out, ctx.err, Names(ports), labelled_ && StderrIsTerminal()),
          shared_{ctx,      ports,
                  options,  labelled_,
                  display_, link::BackupStore::InUserDataDir(config::CurrentUserDataDir())},
          log_(options.logPath),
          codes_(ports.size(), exitcode::kOk) {}

    int Run();

  private:
    static std::vector<std::string> Names(const std::vector<ClonePort>& ports) {
        std::vector<std::string> names;
        for (const ClonePort& p : ports) names.push_back(p.name);
        return names;
    }
    void RunPort(std::size_t index);
    // Notes one radio's result in the log, the summary and the status line.
    void Record(std::size_t index, PortRun& run, int code, double seconds, int count, int good);
    void PrintSummary();

    Context& ctx_;
    const std::vector<ClonePort>& ports_;
    const FleetOptions& options_;
    const RadioJob& job_;
    const bool labelled_;
    FleetDisplay display_;
    PortRun::Shared shared_;
    RadioLog log_;
    std::mutex recordsMutex_;
    std::vector<RadioRecord> records_;
    std::vector<int> codes_;
};

int Fleet::Run() {
    if (ports_.size() == 1) {
        RunPort(0);
    } else {
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < ports_.size(); ++i)
            threads.emplace_back([this, i] { RunPort(i); });
        for (std::thread& t : threads) t.join();
    }
    display_.Finish();
    if (labelled_) PrintSummary();
    for (const int code : codes_) {
        if (code != exitcode::kOk) return code;
    }
    return exitcode::kOk;
}

void Fleet::RunPort(std::size_t index) {
    const std::string& name = ports_[index].name;
    int count = 0;
    int good = 0;
    for (int radio = 1;; ++radio) {
        PortRun run(shared_, index, radio);
        display_.Set(index, options_.repeat ? "waiting for a radio" : "starting");
        const Clock::time_point start = Clock::now();
        const int code = job_(run);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        // Ctrl-C while waiting ends --repeat; no radio was there.
        const bool noRadio = options_.repeat && !run.ReachedRadio() && code == exitcode::kCancelled;
        if (labelled_) {
            display_.Print(Labelled(run.TakeOut(), name), false);
            display_.Print(Labelled(run.TakeErr(), name), true);
        }
        if (noRadio) break;
        ++count;
        if (code == exitcode::kOk) ++good;
        Record(index, run, code, seconds, count, good);
        if (!options_.repeat || CancelOnSignals::Requested()) break;
        // The radio just programmed still answers until it is taken away.
        while (!CancelOnSignals::Requested() && run.RadioAnswers())
            SleepUntil(Clock::now() + kWaitInterval);
        if (CancelOnSignals::Requested()) break;
    }
}

void Fleet::Record(std::size_t index, PortRun& run, int code, double seconds, int count, int good) {
    const std::string result = code == exitcode::kOk ? "ok" : run.reason;
    if (!options_.logPath.empty()) {
        const Status logged =
            log_.Append(ports_[index].name, run.Identification(), result, seconds);
        if (!logged) display_.Print("qm530: " + logged.detail() + "\n", true);
    }
    {
        std::lock_guard<std::mutex> lock(recordsMutex_);
        records_.push_back({index, run.Identification(), code, result, seconds});
        if (codes_[index] == exitcode::kOk) codes_[index] = code;
    }
    std::string status = (code == exitcode::kOk ? "done " : "failed: " + result + " ") + "(" +
                         Seconds(seconds) + " s)";
    if (options_.repeat) {
        status += "; " + std::to_string(good) + " of " + std::to_string(count) +
                  " radios done; waiting for the next radio";
    }
    display_.Set(index, status);
}

void Fleet::PrintSummary() {
    std::vector<std::vector<std::string>> rows{{"port", "radio", "result", "seconds"}};
    std::vector<RadioRecord> ordered = records_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const RadioRecord& a, const RadioRecord& b) { return a.port < b.port; });
    for (const RadioRecord& r : ordered) {
        rows.push_back({ports_[r.port].name, IdentificationText(r.ident),
                        r.reason.empty() ? "ok" : r.reason, Seconds(r.seconds)});
    }
    if (ordered.empty()) rows.push_back({"-", "-", "no radio", "-"});
    ctx_.out.flush();
    PrintAligned(ctx_.out, rows);
}

}  // namespace

int RunFleet(Context& ctx, const std::vector<ClonePort>& ports, const FleetOptions& options,
             const RadioJob& job) {
    Fleet fleet(ctx, ports, options, job);
    return fleet.Run();
}

}  // namespace qm530::cli
