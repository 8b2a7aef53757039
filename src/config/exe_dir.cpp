// The program's own directory.
#include "config/exe_dir.h"

#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

namespace qm530::config {

std::string ExeDir() {
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n > 0) {
        const std::string exe(buffer.data(), static_cast<std::size_t>(n));
        const auto slash = exe.find_last_of('/');
        if (slash != std::string::npos) return exe.substr(0, slash + 1);
    }
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
        std::string dir(buffer.data());
        if (dir.empty() || dir.back() != '/') dir += '/';
        return dir;
    }
    return "./";
}

}  // namespace qm530::config
