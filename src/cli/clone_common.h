#pragma once

#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/command_util.h"
#include "config/ini_file.h"
#include "link/clone_protocol.h"
#include "link/port_factory.h"
#include "model/radio_image.h"

namespace qm530::cli {

// Exit codes of the commands that talk to a radio.
namespace exitcode {
constexpr int kPortOpenFailed = 3;  // message 61453
constexpr int kCommError = 4;       // message 61451: the handshake was not confirmed
constexpr int kInterrupted = 5;     // message 61454: a block or the handshake failed
constexpr int kVerifyMismatch = 6;  // the radio differs from the file
constexpr int kCancelled = 130;     // Ctrl-C, SIGTERM or SIGHUP
}  // namespace exitcode

// The options every clone command takes.
extern const std::vector<OptionDef> kCloneOptions;
// Help text for the common options and the exit codes.
extern const char* const kCloneHelp;

struct ClonePort {
    std::string name;    // as given with --port
    std::string device;  // the device path it names
    int retries = 0;
    link::PortFactory makePort;  // makes the port of each transfer
};

// Whether two paths name one file or device once links and "." or ".."
// are resolved (as far as the paths exist).
bool SamePath(const std::string& a, const std::string& b);

// Makes a port of a name as --port takes it, the device resolved through
// `ini` (which may be null).
ClonePort MakeClonePort(const std::string& name, int retries, const config::CIniFile* ini);

// Reads every --port, --retries and --ini; prints the problem when the
// command cannot go on.
Result<std::vector<ClonePort>> PrepareClonePorts(Context& ctx, const Args& args);

// Reads --retries (0 to 9999); a usage error when it is no such number.
Result<int> RetriesOption(Context& ctx, const Args& args);

}  // namespace qm530::cli
