#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "cli/command.h"
#include "model/radio_image.h"
#include "model/status.h"

namespace qm530::cli {

using RecordEdit = std::function<Status(RadioImage& image, const std::vector<int>& channels)>;

// Runs `qm530 NAME FILE.dat CHANNEL...` with between `minChannels` and
// `maxChannels` channel numbers: checks the arguments as `set` does (a bad
// channel number is a usage error), loads the file, applies `edit` and saves
// the file. A failed edit prints its reason, exits 1 and leaves the file alone.
int RunRecordCommand(Context& ctx, const char* name, std::size_t minChannels,
                     std::size_t maxChannels, const RecordEdit& edit);

}  // namespace qm530::cli
