#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/console.h"

int main(int argc, char** argv) {
    qm530::cli::PrepareConsole();
    std::vector<std::string> args(argv, argv + argc);
    return qm530::cli::RunCli(args, std::cout, std::cerr);
}
