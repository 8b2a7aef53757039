// The Windows console: terminals are told apart from redirected streams by
// GetConsoleMode (_isatty says yes for the NUL device too), and output is
// UTF-8 with the escape sequences of the fleet's status lines.
#include <windows.h>

#include "cli/console.h"

namespace qm530::cli {

namespace {

bool IsConsole(DWORD stream) {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(stream), &mode) != 0;
}

}  // namespace

bool StderrIsTerminal() {
    return IsConsole(STD_ERROR_HANDLE);
}

bool StdinIsTerminal() {
    return IsConsole(STD_INPUT_HANDLE);
}

InputLine ReadInputLine() {
    InputLine line;
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    for (;;) {
        char c = 0;
        DWORD n = 0;
        if (!::ReadFile(input, &c, 1, &n, nullptr)) {
            line.interrupted = ::GetLastError() == ERROR_OPERATION_ABORTED;
            line.ended = !line.interrupted;
            return line;
        }
        if (n == 0) {
            line.ended = true;
            return line;
        }
        if (c == '\n') break;
        if (c != '\r') line.text += c;
    }
    return line;
}

void PrepareConsole() {
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
    for (const DWORD stream : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        const HANDLE handle = ::GetStdHandle(stream);
        DWORD mode = 0;
        if (::GetConsoleMode(handle, &mode))
            ::SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
}

}  // namespace qm530::cli
