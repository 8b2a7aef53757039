#pragma once

#include <string>

namespace qm530::config {

// Opens `path` for reading as a file descriptor, creating an empty file when
// there is none; a FIFO does not block the open. -1 with errno on failure.
int OpenCreatingForRead(const std::string& path);

}  // namespace qm530::config
