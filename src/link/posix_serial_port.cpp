#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "link/cancel_event.h"
#include "link/port_factory.h"
#include "model/messages.h"

namespace qm530::link {

namespace {

using Nanos = std::int64_t;
constexpr Nanos kNanosPerMs = 1000000;

Nanos Now() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Nanos>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

timespec ToTimespec(Nanos n) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(n / 1000000000);
    ts.tv_nsec = static_cast<long>(n % 1000000000);
    return ts;
}

// What a wait for the port brought.
struct Ready {
    int revents = 0;         // of the port; 0 on time-out
    bool cancelled = false;  // the cancel descriptor became readable
};

// Waits until the port is ready for `events`, the cancel descriptor (when
// not -1) is readable, or `remaining` runs out. Returns false with errno set
// when the wait itself failed.
bool WaitFor(int fd, short events, int cancelFd, Nanos remaining, Ready& ready) {
    pollfd p[2] = {{fd, events, 0}, {cancelFd, POLLIN, 0}};
    const timespec ts = ToTimespec(remaining < 0 ? 0 : remaining);
    const int r = ::ppoll(p, cancelFd >= 0 ? 2 : 1, &ts, nullptr);
    if (r < 0) return false;
    ready.revents = r == 0 ? 0 : p[0].revents;
    ready.cancelled = r > 0 && cancelFd >= 0 && p[1].revents != 0;
    return true;
}

std::string GroupName(gid_t gid) {
    std::vector<char> buffer(4096);
    group g{};
    group* found = nullptr;
    if (::getgrgid_r(gid, &g, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return found->gr_name;
    }
    return std::to_string(gid);
}

Status PortError(const std::string& what, int error) {
    return Status::Fail(what + ": " + std::strerror(error));
}

}  // namespace

std::string OpenFailureReason(const std::string& device, int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return device + ": no such device";
        case EBUSY:
        case EWOULDBLOCK:
            return device + ": in use by another program";
        case EACCES:
        case EPERM: {
            struct stat st {};
            if (::stat(device.c_str(), &st) == 0) {
                const std::string groupName = GroupName(st.st_gid);
                return device + ": permission denied; the device belongs to group '" + groupName +
                       "': join it (sudo usermod -aG " + groupName + " $USER) and log in again";
            }
            return device + ": permission denied";
        }
        case ENOTTY:
            return device + ": not a serial port";
        default:
            return device + ": " + std::strerror(error);
    }
}

PosixSerialPort::PosixSerialPort(PortTimeouts timeouts) : timeouts_(timeouts) {}

PosixSerialPort::~PosixSerialPort() {
    Close();
}

Status PosixSerialPort::Open(const std::string& device) {
    Close();
    auto fail = [&](int error) {
        return Status::Fail(OpenFailureReason(device.empty() ? "(no device)" : device, error),
                            msg::kPortOpenFailed);
    };
    if (device.empty()) return fail(ENOENT);
    // No O_CREAT: only an existing device opens.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(errno);
    auto refuse = [&](int error) {
        ::close(fd);
        return fail(error);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return refuse(errno);
    if (!S_ISCHR(st.st_mode)) return refuse(ENOTTY);
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return refuse(errno == EINVAL ? ENOTTY : errno);
    // The advisory lock also keeps out a second program running as root,
    // for which TIOCEXCL does not count.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return refuse(errno);
#ifdef TIOCGEXCL
    // Root gets past another program's exclusive flag, which that program
    // may hold without an advisory lock; closing would then clear its flag.
    int exclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) return refuse(EBUSY);
#endif
    if (::ioctl(fd, TIOCEXCL) != 0) return refuse(errno);
    fd_ = fd;
    setExclusive_ = true;
    device_ = device;
    return Status::Ok();
}

Status PosixSerialPort::Configure() {
    if (fd_ < 0) return Status::Fail("port not open");
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return PortError("tcgetattr", errno);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    // Raw binary input and output. Software flow control goes too: in
    // binary data it would swallow the bytes 0x11 and 0x13.
    tio.c_iflag &=
        ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | INPCK | IXON | IXOFF | IXANY);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return PortError("tcsetattr", errno);
    return Status::Ok();
}

void PosixSerialPort::WatchCancel(const CancelEvent* cancel) {
    cancelFd_ = cancel != nullptr ? static_cast<int>(cancel->Native()) : -1;
}

void PosixSerialPort::SetWaitHook(WaitHook hook) {
    waitHook_ = std::move(hook);
    lastHook_ = Now();
}

ReadResult PosixSerialPort::Read(std::size_t n) {
    ReadResult result;
    if (fd_ < 0) {
        result.status = Status::Fail("port not open");
        return result;
    }
    const Nanos start = Now();
    const Nanos deadline =
        start + (static_cast<Nanos>(timeouts_.readPerByte) * static_cast<Nanos>(n) +
                 timeouts_.readConstant) *
                    kNanosPerMs;
    const Nanos gap = static_cast<Nanos>(timeouts_.interByteGap) * kNanosPerMs;
    // The interval runs across calls: the pauses and short reads between
    // two long waits count towards it as well.
    const Nanos hookInterval = static_cast<Nanos>(kWaitHookIntervalMs) * kNanosPerMs;
    Nanos lastByte = 0;
    std::uint8_t buffer[256];
    while (result.bytes.size() < n) {
        const Nanos now = Now();
        Nanos wait = deadline - now;
        if (!result.bytes.empty() && lastByte + gap - now < wait) wait = lastByte + gap - now;
        // Time is up: still take what is already waiting, since this
        // process may simply not have run while those bytes arrived.
        const bool lastLook = wait <= 0;
        // The deadline and the gap are absolute times, so the time the
        // hook takes does not lengthen the read.
        if (waitHook_ && !lastLook) {
            const Nanos nextHook = lastHook_ + hookInterval;
            if (now >= nextHook) {
                if (waitHook_()) {
                    result.status = Status::Fail("cancelled");
                    break;
                }
                lastHook_ = Now();
                continue;
            }
            if (nextHook - now < wait) wait = nextHook - now;
        }
        Ready ready;
        if (!WaitFor(fd_, POLLIN, cancelFd_, lastLook ? 0 : wait, ready)) {
            // A signal: wait on, unless it was the cancel, which the next
            // wait sees at once.
            if (errno == EINTR) continue;
            result.status = PortError("poll", errno);
            break;
        }
        if (ready.cancelled) {
            result.status = Status::Fail("cancelled");
            break;
        }
        const int revents = ready.revents;
        if (revents == 0) {
            if (lastLook) break;
            continue;
        }
        if ((revents & POLLNVAL) != 0) {
            result.status = Status::Fail("poll: port closed");
            break;
        }
        if ((revents & POLLIN) == 0) {
            result.status = Status::Fail("the line hung up");
            break;
        }
        std::size_t want = n - result.bytes.size();
        if (want > sizeof buffer) want = sizeof buffer;
        const ssize_t k = ::read(fd_, buffer, want);
        if (k < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            result.status = PortError("read", errno);
            break;
        }
        if (k == 0) {
            result.status = Status::Fail("the line hung up");
            break;
        }
        result.bytes.insert(result.bytes.end(), buffer, buffer + k);
        lastByte = Now();
    }
    return result;
}

Status PosixSerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0) return Status::Fail("port not open");
    const Nanos deadline =
        Now() + (static_cast<Nanos>(timeouts_.writePerByte) * static_cast<Nanos>(bytes.size()) +
                 timeouts_.writeConstant) *
                    kNanosPerMs;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t k = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (k > 0) {
            done += static_cast<std::size_t>(k);
            continue;
        }
        if (k < 0 && errno != EAGAIN && errno != EINTR) return PortError("write", errno);
        const Nanos remaining = deadline - Now();
        if (remaining <= 0) break;
        Ready ready;
        if (!WaitFor(fd_, POLLOUT, -1, remaining, ready) && errno != EINTR)
            return PortError("poll", errno);
    }
    if (done < bytes.size()) {
        return Status::Fail("write time-out: " + std::to_string(done) + " of " +
                            std::to_string(bytes.size()) + " bytes taken");
    }
    return Status::Ok();
}

void PosixSerialPort::Purge(PurgeKind) {
    // Input only: an output flush would throw away a request that has been
    // written but not yet sent.
    if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

void PosixSerialPort::Close() {
    if (fd_ < 0) return;
    // The exclusive flag belongs to the device, not to this descriptor:
    // give it back so that the next program can open the port. A flag this
    // port did not set is not its to clear.
    if (setExclusive_) ::ioctl(fd_, TIOCNXCL);
    setExclusive_ = false;
    // The driver sends what is still queued before the last close completes.
    ::close(fd_);
    fd_ = -1;
    device_.clear();
}

std::unique_ptr<SerialPort> MakeSystemSerialPort(PortTimeouts timeouts) {
    return std::make_unique<PosixSerialPort>(timeouts);
}

bool PortAvailable(const std::string& device) {
    PosixSerialPort port;
    const bool ok = port.Open(device).ok();
    port.Close();
    return ok;
}

}  // namespace qm530::link
