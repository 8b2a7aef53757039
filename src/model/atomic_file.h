#pragma once

#include <string>

#include "model/status.h"

namespace qm530 {

// Writes `data` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the old file is left as it was and
// the temporary file is removed. An existing file keeps its permissions.
Status WriteFileAtomically(const std::string& path, const std::string& data);

// Reads a whole file. Fails when it cannot be opened or read.
Status ReadWholeFile(const std::string& path, std::string& data);

}  // namespace qm530
