#include <unistd.h>

#include <cerrno>

#include "cli/console.h"

namespace qm530::cli {

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

bool StdinIsTerminal() {
    return ::isatty(STDIN_FILENO) != 0;
}

// Byte by byte, so that nothing after the line is taken from the input.
InputLine ReadInputLine() {
    InputLine line;
    char c = 0;
    ssize_t n = 0;
    while ((n = ::read(STDIN_FILENO, &c, 1)) == 1 && c != '\n') line.text += c;
    line.interrupted = n < 0 && errno == EINTR;
    line.ended = n <= 0 && !line.interrupted;
    return line;
}

void PrepareConsole() {}

}  // namespace qm530::cli
