#include "model/dat_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/atomic_file.h"

namespace qm530 {

namespace {

Status OpenFailure(const std::string& path, int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return Status::Fail(path + ": no such file", openfail::kMissing);
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

Result<RadioImage> LoadDatFile(const std::string& path) {
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
    std::string head(kImageSize, '\0');
    const ssize_t got = ReadUpTo(fd, head.data(), head.size());
    if (got < 0) return Status::Fail(path + ": read error", openfail::kReadError);
    if (static_cast<std::size_t>(got) < kImageSize) {
        return Status::Fail(
            path + ": the file holds " + std::to_string(got) + " bytes; a radio image needs 1024",
            openfail::kTooShort);
    }
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(head[i]);
    return image;
}

std::string OpenFailureSentence(const Status& failure, UiLanguage lang) {
    static constexpr struct {
        int id;
        Bilingual text;
    } kSentences[] = {
        {openfail::kMissing, {"The file does not exist.", "文件不存在。"}},
        {openfail::kNotAFile, {"This is not a file.", "这不是一个文件。"}},
        {openfail::kUnreadable, {"The file cannot be read.", "文件无法读取。"}},
        {openfail::kTooShort,
         {"The file is shorter than 1024 bytes and holds no radio data.",
          "文件短于 1024 字节，不含对讲机数据。"}},
        {openfail::kReadError, {"The file could not be read.", "读取文件时出错。"}},
    };
    for (const auto& s : kSentences) {
        if (s.id == failure.messageId()) return s.text.In(lang);
    }
    return failure.detail();
}

Status SaveDatFile(const std::string& path, const RadioImage& image) {
    return WriteFileAtomically(path, std::string(image.bytes.begin(), image.bytes.end()));
}

}  // namespace qm530
