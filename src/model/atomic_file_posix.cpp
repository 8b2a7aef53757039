// Atomic saves on POSIX systems: an unnamed temporary file beside the
// target (a named one where the system has none), flushed to disk and
// renamed over it.
#include <dirent.h>
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

// The temporary files a write of a file leaves are named
// ".NAME.tmpXXXXXX" beside it. One that is there when the next write of
// the same file starts was left by a write that was killed between naming
// its file and renaming it: the next write removes it.
void RemoveLeftovers(const std::string& dir, const std::string& prefix) {
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) return;
    while (const dirent* entry = ::readdir(d)) {
        const std::string name = entry->d_name;
        if (IsTemporaryName(name, prefix)) ::unlinkat(::dirfd(d), name.c_str(), 0);
    }
    ::closedir(d);
}

// The permissions of the file written: those of the file it replaces, else
// what the umask leaves of rw for everybody.
mode_t ModeFor(const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Sets the permissions, writes the data and flushes it to disk.
Status Fill(int fd, mode_t mode, const std::string& data, const std::string& path) {
    const char* what = nullptr;
    if (::fchmod(fd, mode) != 0) {
        what = "cannot set permissions";
    } else if (!WriteAll(fd, data)) {
        what = "write error";
    } else if (::fsync(fd) != 0) {
        what = "cannot flush to disk";
    }
    if (what == nullptr) return Status::Ok();
    return Status::Fail(path + ": " + what + ": " + ErrnoText(errno));
}

// Gives the unnamed file `fd` a free name `prefix` + 6 characters; the name,
// or empty when the system cannot name it (no /proc, say).
std::string LinkUnnamed(int fd, const std::string& prefix) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = prefix + RandomTemporarySuffix();
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno != EEXIST) return {};
    }
    return {};
}

// Renames the complete temporary file over `path` and makes the rename
// durable; the temporary file goes when that fails.
Status RenameIntoPlace(const std::string& tmp, const std::string& path, const std::string& dir) {
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Status::Fail(path + ": cannot replace the file: " + ErrnoText(err));
    }
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return Status::Ok();
}

}  // namespace

Status WriteFileAtomically(const std::string& requested, const std::string& data) {
    const std::string path = WriteTargetOf(requested);
    if (Status s = CheckReplaceable(requested, path); !s) return s;
    if (IsReadOnlyFile(path)) return Status::Fail(requested + ": the file is read-only");
    const std::string dir = DirectoryOf(path);
    const std::string prefix = TemporaryPrefix(BaseNameOf(path));
    RemoveLeftovers(dir, prefix);
    const mode_t mode = ModeFor(path);

    // An unnamed file first: until it is complete and on disk nothing of it
    // shows in the directory, so a process killed meanwhile leaves nothing.
    // It gets a temporary name only for the moment of the rename.
#ifdef O_TMPFILE
    const int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#else
    const int fd = -1;  // a system without unnamed files
#endif
    if (fd >= 0) {
        const Status filled = Fill(fd, mode, data, path);
        if (!filled) {
            ::close(fd);
            return filled;
        }
        const std::string tmp = LinkUnnamed(fd, dir + "/" + prefix);
        ::close(fd);
        if (!tmp.empty()) return RenameIntoPlace(tmp, path, dir);
        // No way to name it on this system: write a named file instead.
    }

    std::string tmpl = dir + "/" + prefix + "XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int named = ::mkstemp(name.data());
    if (named < 0) {
        return Status::Fail(path + ": cannot create a temporary file in " + dir + ": " +
                            ErrnoText(errno));
    }
    const std::string tmp(name.data());
    const Status filled = Fill(named, mode, data, path);
    if (!filled) {
        ::close(named);
        ::unlink(tmp.c_str());
        return filled;
    }
    if (::close(named) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Status::Fail(path + ": write error: " + ErrnoText(err));
    }
    return RenameIntoPlace(tmp, path, dir);
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
