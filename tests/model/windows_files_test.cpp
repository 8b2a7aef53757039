// Saving, reading numbers and the user's folders, the Windows way (run
// under Wine by `make windows-test`).
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "config/data_dirs.h"
#include "config/exe_dir.h"
#include "model/atomic_file.h"
#include "model/dat_file.h"
#include "model/file_lock.h"
#include "model/numbers.h"

namespace qm530::test {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(WindowsFiles, AnAtomicSaveReplacesAnExistingFileWithAUtf8Name) {
    const std::string name = "\xE5\xAF\xB9\xE8\xAE\xB2\xE6\x9C\xBA-radio.dat";  // 对讲机-radio.dat
    const std::filesystem::path path = std::filesystem::u8path(name);
    std::filesystem::remove(path);
    ASSERT_TRUE(WriteFileAtomically(name, "first"));
    ASSERT_TRUE(WriteFileAtomically(name, "second, longer"));
    EXPECT_EQ(ReadAll(path), "second, longer");
    const Result<std::string> back = ReadWholeFile(name);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, "second, longer");
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::u8string name = entry.path().filename().u8string();
        files += std::string(name.begin(), name.end()).find("radio.dat") != std::string::npos;
    }
    EXPECT_EQ(files, 1);
    EXPECT_TRUE(CheckWritable(name));
    EXPECT_FALSE(CheckWritable("no-such-folder/x.dat"));
    std::filesystem::remove(path);
}

TEST(WindowsFiles, OnlyARegularFileOpensAsARadioImageAndSaysWhyNot) {
    const std::string name = "\xE5\xAF\xB9\xE8\xAE\xB2\xE6\x9C\xBA-open.dat";
    std::filesystem::remove(std::filesystem::u8path(name));
    EXPECT_EQ(ReadDatFile(name).status().messageId(), openfail::kMissing);
    ASSERT_TRUE(WriteFileAtomically(name, std::string(2000, '\x5A')));
    const Result<DatFile> longer = ReadDatFile(name);
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->size, 2000u);
    EXPECT_EQ(longer->image[1023], 0x5A);
    EXPECT_EQ(SaveDatFile(name, longer->image).messageId(), savefail::kLonger);
    std::filesystem::create_directory("a-folder.dat");
    EXPECT_EQ(ReadDatFile("a-folder.dat").status().messageId(), openfail::kNotAFile);
    EXPECT_FALSE(WriteFileAtomically("a-folder.dat", "x"));
    std::filesystem::remove("a-folder.dat");
    std::filesystem::remove(std::filesystem::u8path(name));
}

// The lock is held by the process that edits the document; another
// process (here another thread, as the lock is the process's alone per
// thread) waits, then hears that the file is busy, under any name of it.
TEST(WindowsFiles, ALockedDocumentIsSavedAndASecondLockSaysTheFileIsBusy) {
    const std::string name = "locked.dat";
    ASSERT_TRUE(WriteFileAtomically(name, std::string(1024, '\0')));
    Result<FileLock> first = FileLock::Take(name);
    ASSERT_TRUE(first);
    // The holder saves over its document, twice: the lock is not in the way.
    EXPECT_TRUE(WriteFileAtomically(name, std::string(1024, '\1')));
    EXPECT_TRUE(WriteFileAtomically(name, std::string(1024, '\2')));
    EXPECT_EQ(ReadWholeFile(name).value(), std::string(1024, '\2'));
    const auto takeElsewhere = [](const std::string& path) {
        Status taken;
        std::thread([&] { taken = FileLock::Take(path, 50).status(); }).join();
        return taken;
    };
    EXPECT_EQ(takeElsewhere(name).messageId(), savefail::kBusy);
    EXPECT_EQ(takeElsewhere(".\\LOCKED.DAT").messageId(), savefail::kBusy);
    *first = FileLock();
    EXPECT_TRUE(takeElsewhere(name));
    std::filesystem::remove(name);
}

TEST(WindowsFiles, NumbersKeepTheCLocalesRulesInACommaLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    if (std::setlocale(LC_ALL, "German_Germany.1252") == nullptr &&
        std::setlocale(LC_ALL, "de-DE") == nullptr)
        GTEST_SKIP() << "no German locale";
    EXPECT_EQ(CAtof("145.125"), 145.125);
    EXPECT_EQ(ScaleToInt(CAtof("145.125"), 100000), 14512500);
    EXPECT_EQ(CFormat("%3.5f", 145.125), "145.12500");
    EXPECT_EQ(CAtoi("42abc"), 42);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(WindowsFiles, TheUsersFoldersAreInAppDataAndTheProgramFolderIsTheExes) {
    _putenv_s("APPDATA", "C:\\Users\\qm\\AppData\\Roaming");
    _putenv_s("LOCALAPPDATA", "C:\\Users\\qm\\AppData\\Local");
    const config::ProgramDirs dirs = config::CurrentProgramDirs();
    EXPECT_EQ(dirs.configDir, "C:/Users/qm/AppData/Roaming/qm530/");
    EXPECT_EQ(config::CurrentUserDataDir(), "C:/Users/qm/AppData/Local/qm530/");
    EXPECT_EQ(dirs.dataDir, "");
    const std::string exe = config::ExeDir();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.back(), '/');
    EXPECT_EQ(exe.find('\\'), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(exe + "model_tests.exe")));
}

}  // namespace
}  // namespace qm530::test
