#include "sim/virtual_radio.h"

#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <utility>

namespace qm530::sim {

namespace {

using Nanos = long long;
constexpr Nanos kNanosPerMs = 1000000;
// Ten bit times (start, 8 data, stop) at 9600 bit/s.
constexpr Nanos kByteTime = 10LL * 1000000000LL / 9600;
// A partial frame older than this is forgotten.
constexpr Nanos kFrameTimeout = 500 * kNanosPerMs;
// How often to look again while no program has the port open.
constexpr Nanos kIdlePoll = 5 * kNanosPerMs;
constexpr Nanos kStaleCheck = 100 * kNanosPerMs;

Nanos Now() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Nanos>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

timespec Span(Nanos n) {
    if (n < 0) n = 0;
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(n / 1000000000);
    ts.tv_nsec = static_cast<long>(n % 1000000000);
    return ts;
}

}  // namespace

VirtualRadio::VirtualRadio(RadioOptions options)
    : options_(std::move(options)), protocol_(options_.memory, options_.fault) {}

VirtualRadio::~VirtualRadio() {
    Stop();
}

Status VirtualRadio::Start() {
    if (thread_.joinable()) return Status::Fail("the virtual radio is already running");
    const Status opened = pty_.Open();
    if (!opened) return opened;
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        pty_.Close();
        return Status::Fail(std::string("eventfd: ") + std::strerror(errno));
    }
    hungUp_ = false;
    thread_ = std::thread([this] { Serve(); });
    return Status::Ok();
}

void VirtualRadio::Stop() {
    if (thread_.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t w = ::write(wakeFd_, &one, sizeof one);
        thread_.join();
    }
    if (wakeFd_ >= 0) ::close(wakeFd_);
    wakeFd_ = -1;
    pty_.Close();
}

RadioImage VirtualRadio::Memory() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return protocol_.Memory();
}

RadioCounters VirtualRadio::Counters() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return protocol_.Counters();
}

bool VirtualRadio::SleepUntil(Nanos when) {
    for (;;) {
        const Nanos left = when - Now();
        if (left <= 0) return true;
        pollfd p{wakeFd_, POLLIN, 0};
        const timespec ts = Span(left);
        if (::ppoll(&p, 1, &ts, nullptr) > 0) return false;
    }
}

bool VirtualRadio::Send(const std::vector<std::uint8_t>& reply, Nanos start, bool pace) {
    const Fault& f = options_.fault;
    const bool slow = f.kind == FaultKind::kSlow;
    if (!pace && !slow) {
        [[maybe_unused]] const ssize_t w = ::write(pty_.MasterFd(), reply.data(), reply.size());
        return true;
    }
    const Nanos byteTime = pace ? kByteTime : 0;
    Nanos gap = byteTime;
    if (slow && f.gapMs * kNanosPerMs > gap) gap = f.gapMs * kNanosPerMs;
    // Times on the simulated line: a byte is written to the terminal when
    // its stop bit would have arrived, never earlier. A late wake-up delays
    // that one write, not the line's timetable.
    Nanos onLine = std::max(start, lineFreeAt_);
    for (std::size_t i = 0; i < reply.size(); ++i) {
        if (i == 0) {
            onLine += byteTime + (slow ? f.firstByteDelayMs * kNanosPerMs : 0);
        } else {
            onLine += gap;
        }
        if (!SleepUntil(onLine)) return false;
        [[maybe_unused]] const ssize_t w = ::write(pty_.MasterFd(), &reply[i], 1);
    }
    lineFreeAt_ = onLine;
    return true;
}

void VirtualRadio::Store() {
    if (!options_.onMemoryStored) return;
    options_.onMemoryStored(Memory());
}

namespace {

// The radio stands for hardware that keeps its timing whatever the PC does:
// wake up on time (no timer slack) and, where the system allows it, ahead of
// ordinary processes. The thread sleeps between bytes.
void KeepHardwareTiming() {
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    sched_param param{};
    param.sched_priority = 1;
    if (::pthread_setschedparam(::pthread_self(), SCHED_RR, &param) != 0) {
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), -10);
    }
}

}  // namespace

void VirtualRadio::Serve() {
    KeepHardwareTiming();
    line_ = LineState{};
    for (;;) {
        bool inFrame = false;
        bool programming = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            inFrame = protocol_.InFrame();
            programming = protocol_.Programming();
        }
        // Unpaced, the handshake still keeps a line's timing: the program
        // discards its input right after sending its acknowledge, and an
        // answer faster than any line could carry it would be lost.
        const bool pace = options_.pace || !programming;
        // Wait for input, the next byte's arrival or a stale frame's end.
        // Idle, the radio looks now and then whether the program that had
        // the port went away without releasing it.
        const Nanos wait = !line_.pending.empty() ? line_.pending.front().due - Now()
                           : inFrame              ? line_.lastReceived + kFrameTimeout - Now()
                                                  : kStaleCheck;
        pollfd fds[2] = {{pty_.MasterFd(), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const timespec ts = Span(wait);
        const int r = ::ppoll(fds, 2, &ts, nullptr);
        if (r < 0 && errno != EINTR) return;
        if (r > 0 && fds[1].revents != 0) return;
        NoticeReleasedPort();
        if (r > 0 && fds[0].revents != 0) {
            switch (ReadInput(pace)) {
                case Input::kRead:
                    break;
                case Input::kNobodyThere:
                    if (!SleepUntil(Now() + kIdlePoll)) return;
                    continue;
            }
        }
        if (line_.pending.empty() && inFrame && Now() - line_.lastReceived >= kFrameTimeout) {
            std::lock_guard<std::mutex> lock(mutex_);
            protocol_.FrameTimeout();
        }
        if (!AnswerArrivedBytes()) return;
    }
}

// A program that closed the port cleared the flag itself; one that was
// killed leaves it to the radio. Either way the line dropped: what it had
// not read yet, and what was still to come, is gone.
void VirtualRadio::NoticeReleasedPort() {
    const bool exclusive = pty_.Exclusive();
    if ((portWasExclusive_ && !exclusive) || pty_.ClearStaleExclusive()) {
        line_.pending.clear();
        pty_.DropUnread();
        std::lock_guard<std::mutex> lock(mutex_);
        protocol_.LineDropped();
    }
    portWasExclusive_ = pty_.Exclusive();
}

VirtualRadio::Input VirtualRadio::ReadInput(bool pace) {
    std::uint8_t buffer[256];
    const ssize_t k = ::read(pty_.MasterFd(), buffer, sizeof buffer);
    const Nanos now = Now();
    if (k > 0) {
        for (ssize_t i = 0; i < k; ++i) {
            const Nanos due = pace ? std::max(now, line_.lastArrival) + kByteTime : now;
            line_.lastArrival = due;
            line_.pending.push_back({buffer[i], due});
        }
        line_.lastReceived = now;
    } else if (k == 0 || (errno != EAGAIN && errno != EINTR)) {
        // No program has the port open (any more).
        line_.pending.clear();
        std::lock_guard<std::mutex> lock(mutex_);
        protocol_.LineDropped();
        return Input::kNobodyThere;
    }
    return Input::kRead;
}

bool VirtualRadio::AnswerArrivedBytes() {
    while (!line_.pending.empty() && line_.pending.front().due <= Now()) {
        const std::uint8_t byte = line_.pending.front().byte;
        const Nanos arrived = line_.pending.front().due;
        line_.pending.pop_front();
        RadioAction action;
        bool paceReply = options_.pace;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            paceReply = paceReply || !protocol_.Programming();
            action = protocol_.Receive(byte);
        }
        if (action.hangUp) {
            pty_.Close();
            hungUp_ = true;
            return false;
        }
        // Stored before the acknowledge leaves, so that the file is
        // complete by the time the writing program finishes.
        if (action.writeCompleted) Store();
        if (!action.reply.empty() && !Send(action.reply, arrived, paceReply)) return false;
    }
    return true;
}

}  // namespace qm530::sim
