#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>
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
    // The radio keeps a slave descriptor of its own, never read, through
    // which it can clear an exclusive flag that a killed program left set.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const bool raw = MakeRaw(fd) && slave >= 0 && MakeRaw(slave);
    const int error = errno;
    if (!raw) {
        if (slave >= 0) ::close(slave);
        ::close(fd);
        return Status::Fail(std::string("pseudo-terminal raw mode: ") + std::strerror(error));
    }
    master_ = fd;
    slave_ = slave;
    slavePath_ = name;
    return Status::Ok();
}

void PseudoTerminal::Close() {
    if (slave_ >= 0) ::close(slave_);
    slave_ = -1;
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

void PseudoTerminal::DropUnread() {
    if (slave_ >= 0) ::tcflush(slave_, TCIFLUSH);
}

bool PseudoTerminal::Exclusive() const {
    int exclusive = 0;
    return slave_ >= 0 && ::ioctl(slave_, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

bool PseudoTerminal::ClearStaleExclusive() {
    if (!Exclusive()) return false;
    // A program that has the port holds its advisory lock; one that was
    // killed let go of it but not of the flag.
    if (::flock(slave_, LOCK_EX | LOCK_NB) != 0) return false;
    ::ioctl(slave_, TIOCNXCL);
    ::tcflush(slave_, TCIFLUSH);
    ::flock(slave_, LOCK_UN);
    return true;
}

}  // namespace qm530::sim
