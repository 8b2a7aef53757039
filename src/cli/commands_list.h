#pragma once

#include "cli/command.h"

// One function per command; each lives in cmd_<name>.cpp.
namespace qm530::cli {

Command NewCommand();
Command ChannelsCommand();
Command SetCommand();
Command MoveCommand();
Command SwapCommand();
Command ClearCommand();
Command InfoCommand();
Command TonesCommand();
Command OptionsCommand();
Command OptionCommand();
Command ExportCommand();
Command ImportCommand();
Command ReadCommand();
Command WriteCommand();
Command VerifyCommand();
Command SimulateCommand();
Command PortsCommand();
Command DiffCommand();
Command BackupsCommand();
#ifdef QM530_HAVE_PRINT
Command PrintCommand();  // needs Qt
#endif

}  // namespace qm530::cli
