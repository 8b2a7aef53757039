// Feeds arbitrary bytes to the INI store as a file and exercises every
// operation on what it found. Checks that a write-back reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_file.h"
#include "fuzz_temp.h"

namespace {

using qm530::config::CIniFile;

constexpr std::size_t kMaxNames = 32;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Check(bool condition) {
    if (!condition) std::abort();
}

void LookUp(const CIniFile& ini, const std::string& section, const std::string& key) {
    const std::string value = ini.GetValue(section, key, " default ");
    for (int index = -1; index < 3; ++index) {
        (void)ini.GetListItem(section, key, index, '|');
        (void)ini.GetListItem(section, key, index, ',');
    }
    (void)CIniFile::SplitList(value, '|');
    (void)CIniFile::SplitList(key, '=');
    (void)ini.GetValue(key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool noCase = size == 0 || (data[0] & 1) == 0;
    const std::string path = qm530::fuzz::WriteScratchFile("fuzz.ini", bytes);

    CIniFile ini;
    Check(ini.Load(path, false, noCase, false).ok());

    std::vector<std::string> sections{""};
    for (std::string& name : ini.GetSectionNames()) sections.push_back(std::move(name));
    if (sections.size() > kMaxNames) sections.resize(kMaxNames);
    std::string firstKey;
    for (const std::string& section : sections) {
        std::vector<std::string> keys = ini.GetKeyNames(section);
        if (keys.size() > kMaxNames) keys.resize(kMaxNames);
        for (const std::string& key : keys) LookUp(ini, section, key);
        if (!keys.empty() && firstKey.empty()) firstKey = keys.front();
        LookUp(ini, section, "missing");
    }
    LookUp(ini, "missing section", "missing");

    // Changes built only from names the file itself holds, so that the
    // written file must read back as the same store.
    const std::string& lastSection = sections.back();
    if (!firstKey.empty()) {
        ini.SetValue(lastSection, firstKey, "fuzz" + std::to_string(size));
        ini.RemoveKey(sections.front(), firstKey);
    }
    if (sections.size() > 2) ini.RemoveSection(sections[1]);
    ini.SetValue("FuzzAdded", "Key", "Value");
    Check(ini.Save(false).ok());
    const std::string written = ReadFile(path);

    // Read it back and add one entry: the file must grow by exactly that entry.
    CIniFile again;
    Check(again.Load(path, false, noCase, false).ok());
    const std::vector<std::string> before = again.GetSectionNames();
    bool hasProbe = false;
    for (const std::string& name : before) hasProbe = hasProbe || name == "FuzzProbe";
    if (!hasProbe && !written.starts_with(kBom)) {
        again.SetValue("FuzzProbe", "k", "v");
        Check(again.Save(false).ok());
        Check(ReadFile(path) == written + "[FuzzProbe]\nk=v\n");
    }
    return 0;
}
