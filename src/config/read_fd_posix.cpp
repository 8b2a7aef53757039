#include <fcntl.h>

#include "config/read_fd.h"

namespace qm530::config {

int OpenCreatingForRead(const std::string& path) {
    // O_NONBLOCK keeps a FIFO from blocking the open.
    return ::open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
}

}  // namespace qm530::config
