#pragma once

#include <iostream>
#include <string>
#include <vector>

namespace qm530::cli {

// What a command gets: its own arguments (after the command name) and the
// streams to write to.
struct Context {
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    const char* name;
    const char* summary;  // one line for `qm530 --help`
    const char* usage;    // full text for `qm530 COMMAND --help`
    int (*run)(Context& ctx);
};

// Every command of the tool, in the order `qm530 --help` lists them.
const std::vector<Command>& Commands();

// Runs the tool on argv (argv[0] is the program name). Returns the exit code.
int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

}  // namespace qm530::cli
