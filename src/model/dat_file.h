#pragma once

#include <string>

#include "model/language.h"
#include "model/radio_image.h"
#include "model/result.h"
#include "model/status.h"

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
}  // namespace openfail

// Opens a .dat file and reads its first 1024 bytes. The reason for a
// failure is found here, once, from the failed call itself.
Result<RadioImage> LoadDatFile(const std::string& path);

// The reason of a failed LoadDatFile as a sentence in the
// language; the Status's detail for a failure without a sentence of its own.
std::string OpenFailureSentence(const Status& failure, UiLanguage lang);

// Saves exactly 1024 bytes, atomically: the old file stays whole when
// anything goes wrong.
Status SaveDatFile(const std::string& path, const RadioImage& image);

}  // namespace qm530
