#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/clone_common.h"
#include "link/transfer.h"
#include "model/status.h"

namespace qm530::cli {

class FleetDisplay;

// How the clone commands run their ports: --repeat, --log, --trace.
struct FleetOptions {
    bool repeat = false;    // radio after radio on every port, until Ctrl-C
    std::string logPath;    // CSV, one line appended per radio
    std::string tracePath;  // transfer trace; one file per port when several
};

// Reads --repeat, --log and --trace.
FleetOptions FleetOptionsOf(const Args& args);

// The trace file of port `index` of `count`: the path itself for one port,
// else the port's name inserted before the extension ("t.txt", "COM2" gives
// "t-COM2.txt"; "/dev/ttyUSB0" gives "t-dev_ttyUSB0.txt").
std::string TracePathOfPort(const std::string& path, const std::string& portName,
                            std::size_t count);

// One radio on one port, as a command's job sees it: the transfers it runs
// and where its messages go.
class PortRun {
  public:
    struct Shared;
    PortRun(Shared& shared, std::size_t index, int radioNumber);

    const ClonePort& Port() const;
    std::size_t Index() const { return index_; }
    // 1, 2, ... for the radios programmed one after another on this port.
    int RadioNumber() const { return radioNumber_; }
    // True when several ports or radios share the output: messages are
    // collected and printed with the port's name.
    bool Labelled() const;
    std::ostream& Out();
    std::ostream& Err();

    // One read or write. The first transfer of a radio in --repeat waits for
    // a radio to answer. Prints any failure to Err() and returns the exit
    // code, 0 when the transfer completed. A completed read is kept in the
    // user's backup folder; when it cannot be kept, one line says why,
    // except for a read made for the backup before a write (`forBackup`),
    // whose command decides what to say.
    int Transfer(link::TransferDirection direction, const std::string& label, RadioImage& image,
                 bool forBackup = false);
    // Reads the radio back and compares every address a write carries and a
    // read returns. Prints the differences; returns 0 when all match.
    int Verify(const RadioImage& expected, const std::string& fileName);
    // True while a radio answers a handshake on the port (--repeat waits for
    // it to go before it waits for the next one).
    bool RadioAnswers();

    // What went wrong, in a few words, for the summary and the log.
    std::string reason;
    const std::vector<std::uint8_t>& Identification() const { return ident_; }
    // The backup of the last completed read, or (empty path) why none was kept.
    const std::string& BackupPath() const { return backupPath_; }
    const Status& BackupStatus() const { return backupStatus_; }
    bool ReachedRadio() const { return reachedRadio_; }
    std::string TakeOut() { return TakeText(out_); }
    std::string TakeErr() { return TakeText(err_); }

  private:
    static std::string TakeText(std::ostringstream& s);
    int Report(const link::TransferResult& result, bool declined);

    Shared& shared_;
    std::size_t index_;
    int radioNumber_;
    bool firstTransfer_ = true;
    bool reachedRadio_ = false;
    std::vector<std::uint8_t> ident_;
    std::string backupPath_;
    Status backupStatus_;
    std::ostringstream out_;
    std::ostringstream err_;
};

// The work of a command for one radio.
using RadioJob = std::function<int(PortRun&)>;

// Runs `job` for every port, each on its own thread (one port: on this
// one), radio after radio with --repeat, until Ctrl-C. Several ports or
// --repeat show a status line per port on a terminal and end with a
// summary table. Returns 0 when every radio succeeded, else the exit code
// of the first port, in the order given, that failed.
int RunFleet(Context& ctx, const std::vector<ClonePort>& ports, const FleetOptions& options,
             const RadioJob& job);

// The identification as the summary shows it: its text when printable,
// else hex; "-" when none came.
std::string IdentificationText(const std::vector<std::uint8_t>& ident);

}  // namespace qm530::cli
