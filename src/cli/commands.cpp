#include <string>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands_list.h"
#include "config/program_version.h"

namespace qm530::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        NewCommand(),      ChannelsCommand(), SetCommand(),   MoveCommand(),    SwapCommand(),
        ClearCommand(),    InfoCommand(),     TonesCommand(), OptionsCommand(), OptionCommand(),
        ExportCommand(),   ImportCommand(),   ReadCommand(),  WriteCommand(),   VerifyCommand(),
        SimulateCommand(), PortsCommand(),    DiffCommand(),  BackupsCommand(),
#ifdef QM530_HAVE_PRINT
        PrintCommand(),
#endif
    };
    return commands;
}

namespace {

void PrintUsage(std::ostream& s) {
    s << "Usage: qm530 COMMAND [ARGUMENTS] [OPTIONS]\n"
         "Programs handheld radios of the QM_530 family: edits radio images (.dat files)\n"
         "and reads and writes radios over a programming cable.\n\n"
         "Commands:\n";
    for (const Command& c : Commands()) {
        std::string name = c.name;
        name.resize(10, ' ');
        s << "  " << name << c.summary << '\n';
    }
    s << "\nRun 'qm530 COMMAND --help' for the arguments and options of a command.\n"
         "Exit codes: 0 success, 1 failure, 2 usage error; commands may list more.\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    if (argv.size() < 2) {
        PrintUsage(err);
        return exitcode::kUsage;
    }
    const std::string& name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(out);
        return exitcode::kOk;
    }
    if (name == "--version") {
        out << "qm530 " << config::ProgramVersion() << '\n';
        return exitcode::kOk;
    }
    for (const Command& c : Commands()) {
        if (name == c.name) {
            Context ctx{std::vector<std::string>(argv.begin() + 2, argv.end()), out, err};
            return c.run(ctx);
        }
    }
    PrintError(err, "unknown command '" + name + "'");
    PrintUsage(err);
    return exitcode::kUsage;
}

}  // namespace qm530::cli
