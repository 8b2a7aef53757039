#pragma once

#include <cstdint>
#include <string>

#include "model/result.h"

namespace qm530 {

// Why a file cannot be opened as a radio image. A failed LoadDatFile carries
// one of these as its message id: the Status's detail is the line the
// command-line tool prints, OpenFailureSentence the one the desktop shows.
namespace openfail {
constexpr int kMissing = 101;     // no such file (or a link to nothing)
constexpr int kNotAFile = 103;    // a folder, a FIFO, a device node ...
constexpr int kUnreadable = 104;  // may not be read
constexpr int kTooShort = 105;    // fewer than 1024 bytes
constexpr int kReadError = 106;   // the read itself failed
constexpr int kJson = 107;        // the tool's own JSON configuration
constexpr int kLinkLoop = 108;    // symbolic links that point at each other
}  // namespace openfail

// The first bytes of a file and how long the whole file is.
struct FileHead {
    std::string bytes;
    std::uintmax_t size = 0;
};

// Opens an existing regular file for reading without waiting on it (a
// FIFO, a device or a folder is refused at once) and reads up to `want`
// bytes from its start; fewer only when the file is shorter. A failure
// carries one of the openfail ids and the reason in a line.
Result<FileHead> ReadFileHead(const std::string& path, std::size_t want);

}  // namespace qm530
