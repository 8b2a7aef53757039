#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "config/read_fd.h"
#include "model/win_text.h"

namespace qm530::config {

// Binary, so that the reader sees the file's own line ends; the name is
// UTF-8.
int OpenCreatingForRead(const std::string& path) {
    return ::_wopen(WideOfUtf8(path).c_str(), _O_RDONLY | _O_CREAT | _O_BINARY,
                    _S_IREAD | _S_IWRITE);
}

}  // namespace qm530::config
