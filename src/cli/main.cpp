#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    return qm530::cli::RunCli(args, std::cout, std::cerr);
}
