// A scratch directory for one fuzzer process, removed at exit.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace qm530::fuzz {

class Scratch {
  public:
    Scratch() {
        // $TMPDIR when set, else memory-backed /dev/shm: every run writes files.
        std::error_code ec;
        const char* tmpdir = std::getenv("TMPDIR");
        const std::string base = tmpdir != nullptr && *tmpdir != '\0' ? std::string(tmpdir)
                                 : std::filesystem::is_directory("/dev/shm", ec)
                                     ? std::string("/dev/shm")
                                     : std::filesystem::temp_directory_path(ec).string();
        std::string tmpl = base + "/qm530-fuzz-XXXXXX";
        if (::mkdtemp(tmpl.data()) == nullptr) ::abort();
        dir_ = tmpl;
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const std::string& dir() const { return dir_; }

  private:
    std::string dir_;
};

inline const std::string& ScratchDir() {
    static const Scratch scratch;
    return scratch.dir();
}

inline std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    const std::string path = ScratchDir() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace qm530::fuzz
