// Atomic saves on POSIX systems: a temporary file beside the target, flushed
// to disk and renamed over it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "model/atomic_file.h"

namespace qm530 {

namespace {

std::string ErrnoText(int err) {
    return std::strerror(err);
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file nobody may write counts as read-only also for a user (root) whom
// the system would let write it.
bool IsReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// A write replaces only a regular file, or makes a new one: a FIFO, a device
// node or a folder under the name is refused, and so is a loop of links.
Status CheckReplaceable(const std::string& requested, const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Status::Fail(requested + ": is a directory");
        if (!S_ISREG(st.st_mode))
            return Status::Fail(requested + ": not a regular file; it is not replaced");
    } else if (errno == ELOOP) {
        return Status::Fail(requested + ": a loop of symbolic links");
    }
    return Status::Ok();
}

}  // namespace

Status WriteFileAtomically(const std::string& requested, const std::string& data) {
    const std::string path = WriteTargetOf(requested);
    if (Status s = CheckReplaceable(requested, path); !s) return s;
    if (IsReadOnlyFile(path)) return Status::Fail(requested + ": the file is read-only");
    const std::string dir = DirectoryOf(path);
    std::string tmpl = dir + "/." + BaseNameOf(path) + ".tmpXXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return Status::Fail(path + ": cannot create a temporary file in " + dir + ": " +
                            ErrnoText(errno));
    }
    const std::string tmp(name.data());

    struct stat old {};
    mode_t mode = 0666;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    auto fail = [&](const std::string& what) {
        const int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        return Status::Fail(path + ": " + what + ": " + ErrnoText(err));
    };
    if (::fchmod(fd, mode) != 0) return fail("cannot set permissions");
    if (!WriteAll(fd, data)) return fail("write error");
    if (::fsync(fd) != 0) return fail("cannot flush to disk");
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Status::Fail(path + ": write error: " + ErrnoText(err));
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Status::Fail(path + ": cannot replace the file: " + ErrnoText(err));
    }
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return Status::Ok();
}

Status CheckWritable(const std::string& requested) {
    const std::string path = WriteTargetOf(requested);
    if (Status s = CheckReplaceable(requested, path); !s) return s;
    if (IsReadOnlyFile(path)) return Status::Fail(requested + ": the file is read-only");
    struct stat st {};
    const std::string dir = DirectoryOf(path);
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return Status::Fail(requested + ": the directory " + dir + " does not exist");
    if (::access(dir.c_str(), W_OK | X_OK) != 0)
        return Status::Fail(requested + ": the directory " + dir +
                            " may not be written: " + ErrnoText(errno));
    return Status::Ok();
}

Status RewriteFileInPlace(const std::string& path, const std::string& data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return Status::Fail(path + ": cannot open the file for writing: " + ErrnoText(errno));
    bool ok = WriteAll(fd, data) && ::ftruncate(fd, static_cast<off_t>(data.size())) == 0 &&
              ::fsync(fd) == 0;
    const int err = errno;
    if (::close(fd) != 0) ok = false;
    return ok ? Status::Ok() : Status::Fail(path + ": write error: " + ErrnoText(err));
}

}  // namespace qm530
