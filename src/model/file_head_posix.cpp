// Reading the start of a file on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/file_head.h"

namespace qm530 {

namespace {

Status OpenFailure(const std::string& path, int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return Status::Fail(path + ": no such file", openfail::kMissing);
        case ELOOP:
            return Status::Fail(path + ": a loop of symbolic links", openfail::kLinkLoop);
        default:
            return Status::Fail(path + ": cannot open the file for reading", openfail::kUnreadable);
    }
}

// Reads up to `want` bytes; fewer only at the end of the file.
ssize_t ReadUpTo(int fd, char* data, std::size_t want) {
    std::size_t got = 0;
    while (got < want) {
        const ssize_t n = ::read(fd, data + got, want - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

}  // namespace

Result<FileHead> ReadFileHead(const std::string& path, std::size_t want) {
    // Non-blocking, so that a FIFO is refused instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return OpenFailure(path, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) return OpenFailure(path, errno);
    if (!S_ISREG(st.st_mode))
        return Status::Fail(path + ": not a regular file", openfail::kNotAFile);
    FileHead head;
    head.bytes.assign(want, '\0');
    const ssize_t got = ReadUpTo(fd, head.bytes.data(), want);
    if (got < 0) return Status::Fail(path + ": read error", openfail::kReadError);
    head.bytes.resize(static_cast<std::size_t>(got));
    head.size = static_cast<std::uintmax_t>(st.st_size);
    return head;
}

}  // namespace qm530
