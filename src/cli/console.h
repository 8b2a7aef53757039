#pragma once

#include <string>

namespace qm530::cli {

// The program's console, as the command-line tool uses it.

// True when standard error (input) is a terminal a person looks at (types
// at), not a file or a pipe.
bool StderrIsTerminal();
bool StdinIsTerminal();

// One line typed on standard input, without its line end.
struct InputLine {
    std::string text;
    bool ended = false;        // standard input ended before a line came
    bool interrupted = false;  // a signal (Ctrl-C) broke off the reading
};
InputLine ReadInputLine();

// Sets the console up for the program's output: UTF-8 text where the
// platform needs to be told.
void PrepareConsole();

}  // namespace qm530::cli
