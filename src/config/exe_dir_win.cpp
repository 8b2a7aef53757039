// The program's own directory, on Windows.
#include <windows.h>

#include <string>
#include <vector>

#include "config/exe_dir.h"
#include "model/win_text.h"

namespace qm530::config {

// GetModuleFileNameW, in UTF-8 with '/' separators as the program uses them
// everywhere (Windows takes both).
std::string ExeDir() {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    std::string exe = n > 0 ? Utf8OfWide(std::wstring(buffer.data(), n)) : std::string();
    for (char& c : exe) {
        if (c == '\\') c = '/';
    }
    const auto slash = exe.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
}

}  // namespace qm530::config
