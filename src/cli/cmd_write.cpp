#include "cli/clone_common.h"
#include "cli/clone_host.h"
#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "cli/fleet.h"
#include "link/backup_store.h"
#include "model/messages.h"

namespace qm530::cli {

namespace {

constexpr UiLanguage kEnglish = UiLanguage::English;

// --backup: the radio's present memory goes into the backup folder before
// anything is written. Nothing is written when it cannot be read or kept.
int BackUp(PortRun& run) {
    RadioImage previous = RadioImage::Blank();
    const int code = run.Transfer(link::TransferDirection::kRead, "Backing up", previous, true);
    if (code != exitcode::kOk) {
        PrintError(run.Err(), std::string("write: ") + link::backuptext::kReadingForBackup.en);
        return code;
    }
    if (run.BackupPath().empty()) {
        const std::string why = link::BackupFailure(run.BackupStatus(), kEnglish);
        PrintError(run.Err(),
                   "write: " + Say(kEnglish, link::backuptext::kWriteWithoutBackup, {why}) +
                       " Leave out --backup to write without one.");
        run.reason = "no backup: " + why;
        return exitcode::kFailed;
    }
    run.Out() << Say(kEnglish, link::backuptext::kKeptBeforeWrite, {run.BackupPath()}) << '\n';
    return exitcode::kOk;
}

int RunWrite(Context& ctx) {
    std::vector<OptionDef> options = kCloneOptions;
    options.push_back({"--verify", false});
    options.push_back({"--force", false});
    options.push_back({"--backup", false});
    auto prepared = PrepareArgs(ctx, "write", options, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    auto preparedPorts = PrepareClonePorts(ctx, args);
    if (!preparedPorts) return preparedPorts.status().exitCode();
    std::vector<ClonePort>& ports = *preparedPorts;
    const std::string& inPath = args.Positional()[0];
    Result<RadioImage> loaded = LoadForChangeOrReport(ctx, "write", inPath, args.Has("--force"));
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    const bool verify = args.Has("--verify");
    const bool backup = args.Has("--backup");

    CancelOnSignals cancel;
    return RunFleet(ctx, ports, FleetOptionsOf(args), [&](PortRun& run) {
        if (backup) {
            if (const int code = BackUp(run); code != exitcode::kOk) return code;
        }
        // The file's bytes go out as they are; every port gets its own copy.
        RadioImage outgoing = image;
        const int result = run.Transfer(link::TransferDirection::kWrite, "Writing", outgoing);
        if (result != exitcode::kOk) return result;
        run.Out() << "Wrote " << inPath << " to the radio on " << run.Port().name << ".\n";
        return verify ? run.Verify(image, inPath) : exitcode::kOk;
    });
}

}  // namespace

Command WriteCommand() {
    static const std::string usage =
        std::string(
            "Usage: qm530 write --port PORT [--port PORT ...] IN.dat [--backup] [--verify]\n"
            "                   [--retries N] [--repeat] [--log FILE.csv] [--trace FILE]\n"
            "                   [--ini PATH] [--force]\n"
            "Writes IN.dat into the radio, byte for byte (0x000-0x32F and 0x340-0x3EF).\n"
            "  --backup      first read the radio and keep what it holds in the backup\n"
            "                folder (see 'qm530 backups'), on every port; when the radio\n"
            "                cannot be read or the backup cannot be kept, nothing is written\n"
            "  --verify      then read the radio back and compare, as 'qm530 verify' does\n"
            "  --force       write an IN.dat longer than a radio image: its first 1024 bytes\n") +
        kCloneHelp;
    return {"write", "write a .dat file into one or more radios", usage.c_str(), RunWrite};
}

}  // namespace qm530::cli
