#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qm530::sim {

namespace {

bool MakeRaw(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;
    ::cfmakeraw(&tio);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

PseudoTerminal::~PseudoTerminal() {
    Close();
}

Status PseudoTerminal::Open() {
    Close();
    const int fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Status::Fail(std::string("posix_openpt: ") + std::strerror(errno));
    char name[128];
    if (::grantpt(fd) != 0 || ::unlockpt(fd) != 0 || ::ptsname_r(fd, name, sizeof name) != 0) {
        const int error = errno;
        ::close(fd);
        return Status::Fail(std::string("pseudo-terminal set-up: ") + std::strerror(error));
    }
    // Both sides raw, or the line discipline echoes, translates line ends
    // and holds input back until a newline. The slave keeps its settings
    // while the master stays open.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const bool raw = MakeRaw(fd) && slave >= 0 && MakeRaw(slave);
    const int error = errno;
    if (slave >= 0) ::close(slave);
    if (!raw) {
        ::close(fd);
        return Status::Fail(std::string("pseudo-terminal raw mode: ") + std::strerror(error));
    }
    master_ = fd;
    slavePath_ = name;
    return Status::Ok();
}

void PseudoTerminal::Close() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

}  // namespace qm530::sim
