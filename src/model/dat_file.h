#pragma once

#include <cstdint>
#include <string>

#include "model/file_head.h"
#include "model/language.h"
#include "model/radio_image.h"
#include "model/result.h"
#include "model/status.h"

namespace qm530 {

// A .dat file as read: its first 1024 bytes and how long the whole file is.
struct DatFile {
    RadioImage image;
    std::uintmax_t size = kImageSize;

    // A longer file is no radio image: it may be looked at, but is neither
    // written to a radio nor saved over unless the user insists.
    bool Longer() const { return size > kImageSize; }
};

// Opens a .dat file and reads its first 1024 bytes. The reason for a
// failure is found here, once, from the failed call itself. A JSON
// configuration of the tool is recognised and refused with a pointer to
// `qm530 import --format json`.
Result<DatFile> ReadDatFile(const std::string& path);

// The line that says a file is longer than a radio image, for the places
// that read it all the same.
std::string LongerFileNote(const std::string& path, std::uintmax_t size);

// ReadDatFile's image, for the places that only look at it.
Result<RadioImage> LoadDatFile(const std::string& path);

// The reason of a failed LoadDatFile as a sentence in the
// language; the Status's detail for a failure without a sentence of its own.
std::string OpenFailureSentence(const Status& failure, UiLanguage lang);

// Saves exactly 1024 bytes, atomically: the old file stays whole when
// anything goes wrong. Unless `overLonger`, an existing file longer than a
// radio image is refused (savefail::kLonger): saving would cut it.
Status SaveDatFile(const std::string& path, const RadioImage& image, bool overLonger = false);

namespace savefail {
constexpr int kLonger = 111;
constexpr int kBusy = 112;  // another program holds the file's lock (FileLock)
}  // namespace savefail

}  // namespace qm530
