#pragma once

#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/command.h"
#include "link/clone_protocol.h"
#include "model/radio_image.h"

namespace qm530::cli {

// Exit codes of the commands that talk to a radio.
namespace exitcode {
constexpr int kPortOpenFailed = 3;  // message 61453
constexpr int kCommError = 4;       // message 61451: the handshake was not confirmed
constexpr int kInterrupted = 5;     // message 61454: a block or the handshake failed
constexpr int kVerifyMismatch = 6;  // the radio differs from the file
constexpr int kCancelled = 130;     // Ctrl-C or SIGTERM
}  // namespace exitcode

// The options every clone command takes.
extern const std::vector<OptionDef> kCloneOptions;
// Help text for the common options and the exit codes.
extern const char* const kCloneHelp;

struct ClonePort {
    std::string name;    // as given with --port
    std::string device;  // the device path it names
    int retries = 0;
};

// Reads --port, --retries and --ini. Prints the problem and sets `exitCode`
// when the command cannot go on.
bool PrepareClonePort(Context& ctx, const Args& args, ClonePort& port, int& exitCode);

// Runs one read or write with the terminal host on `image`. Prints any
// failure (the message of the string table and what is known about it)
// and returns the exit code: 0 when the transfer completed.
int RunCloneTransfer(Context& ctx, const ClonePort& port, link::TransferDirection direction,
                     const std::string& label, RadioImage& image);

// Reads the radio back and compares every address a write carries and a
// read returns. Prints each difference; returns 0 when all match.
int VerifyRadio(Context& ctx, const ClonePort& port, const RadioImage& expected,
                const std::string& fileName);

}  // namespace qm530::cli
