#include "config/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "config/exe_dir.h"

namespace qm530 {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class IniFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "qm530-ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
        path_ = dir_ + "/Program.ini";
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0700);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Loads `text` as the file with NoCase on and no automatic write-back.
    void LoadText(config::CIniFile& ini, const std::string& text, bool noCase = true) {
        Write(path_, text);
        ASSERT_TRUE(ini.Load(path_, false, noCase, false));
    }

    std::string dir_;
    std::string path_;
};

TEST_F(IniFileTest, MissingFileIsCreatedEmpty) {
    config::CIniFile ini;
    EXPECT_TRUE(ini.Load(path_, false, true, false));
    EXPECT_EQ(ini.FilePath(), path_);
    ASSERT_TRUE(fs::exists(path_));
    EXPECT_EQ(fs::file_size(path_), 0u);
    const Names names = ini.GetSectionNames();
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(ini.GetValue("Setup", "Language", "x"), "x");
}

TEST_F(IniFileTest, UnopenablePathLeavesStoreEmptyAndIgnoresSets) {
    for (const std::string& bad : {dir_, dir_ + "/no/such/dir/a.ini"}) {
        config::CIniFile ini;
        const Status loaded = ini.Load(bad, true, true, false);
        EXPECT_FALSE(loaded) << bad;
        EXPECT_TRUE(loaded.detail().starts_with(bad + ": ")) << loaded.detail();
        EXPECT_TRUE(ini.FilePath().empty());
        ini.SetValue("Setup", "Language", "Chinese");
        EXPECT_FALSE(ini.Modified());
        EXPECT_EQ(ini.GetValue("Setup", "Language", " d "), " d ");
        EXPECT_EQ(*ini.Save(false), "");
    }
    EXPECT_FALSE(fs::exists(dir_ + "/no"));
}

TEST_F(IniFileTest, ReadErrorFailsAndIsNeverWrittenBack) {
    // Reading /proc/self/mem at offset 0 fails with EIO: page 0 is never mapped.
    config::CIniFile ini;
    const Status loaded = ini.Load("/proc/self/mem", true, true, false);
    EXPECT_EQ(loaded.detail(), "/proc/self/mem: Input/output error");
    EXPECT_TRUE(ini.LoadIncomplete());
    ini.SetValue("Setup", "Language", "Chinese");
    EXPECT_TRUE(ini.Modified());
    EXPECT_FALSE(ini.Save(false));
    ini.Clear();
    EXPECT_FALSE(ini.LoadIncomplete());
}

TEST_F(IniFileTest, EntriesBeforeTheFirstHeaderFormTheUnnamedSection) {
    config::CIniFile ini;
    LoadText(ini, "top=1\n[S]\nb=2\n");
    EXPECT_EQ(ini.GetValue("top"), "1");
    EXPECT_EQ(ini.GetValue("", "TOP", "x"), "1");
    EXPECT_EQ(ini.GetValue("", "b", "x"), "x");
    EXPECT_EQ(ini.GetValue("S", "b", "x"), "2");
    const Names names = ini.GetSectionNames();
    EXPECT_EQ(names, Names{"S"});

    // Removing the unnamed section empties it but keeps it first, so new
    // entries are not written after another section's header.
    EXPECT_TRUE(ini.RemoveSection(""));
    ini.SetValue("late", "2");
    ini.Save(false);
    EXPECT_EQ(Read(path_), "late=2\n[S]\nb=2\n");
}

TEST_F(IniFileTest, DuplicateSectionsAndKeys) {
    config::CIniFile ini;
    LoadText(ini,
             "[Setup]\nLanguage=English\nShowLang=1\nLanguage=Chinese\n"
             "[Other]\n[setup]\nLate=1\n");
    EXPECT_EQ(ini.GetValue("Setup", "Language", ""), "Chinese");
    EXPECT_EQ(ini.GetValue("Setup", "Late", "none"), "none");
    const Names names = ini.GetSectionNames();
    EXPECT_EQ(names, (Names{"Setup", "Other", "setup"}));
    const Names keys = ini.GetKeyNames("SETUP");
    EXPECT_EQ(keys, (Names{"Language", "ShowLang", "Language"}));

    ini.SetValue("Setup", "Language", "French");
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(*ini.Save(false), "");
    EXPECT_EQ(Read(path_),
              "[Setup]\nLanguage=English\nShowLang=1\nLanguage=French\n"
              "[Other]\n[setup]\nLate=1\n");

    EXPECT_TRUE(ini.RemoveKey("Setup", "language"));
    EXPECT_EQ(ini.GetValue("Setup", "Language", ""), "English");
    EXPECT_TRUE(ini.RemoveSection("Setup"));
    EXPECT_EQ(ini.GetValue("Setup", "Late", ""), "1");
    EXPECT_FALSE(ini.RemoveSection("Missing"));
    EXPECT_FALSE(ini.RemoveKey("Other", "Late"));
}

TEST_F(IniFileTest, ValueCommentsAreCutAndNotTrimmed) {
    config::CIniFile ini;
    LoadText(ini,
             "[S]\nVersion = V1.0 // text\nTab=a\t; b\nBlank=a ; b\nStar=x /* y\n"
             "Url=http://host\n");
    EXPECT_EQ(ini.GetValue("S", "Version", ""), "V1.0 ");
    EXPECT_EQ(ini.GetValue("S", "Tab", ""), "a");
    EXPECT_EQ(ini.GetValue("S", "Blank", ""), "a ; b");
    EXPECT_EQ(ini.GetValue("S", "Star", ""), "x ");
    EXPECT_EQ(ini.GetValue("S", "Url", ""), "http:");
}

TEST_F(IniFileTest, LineRules) {
    config::CIniFile ini;
    LoadText(ini,
             "[A]\n;a=1\n//b=2\n\\c=3\n*d=4\n  \t; e=5\n=value\n\n"
             "[Setup] ; x\nflag\n a = b = c \r\n[ Spaced ]\nk=v\n[]\nz=9\n");
    const Names keys = ini.GetKeyNames("A");
    EXPECT_EQ(keys, (Names{"[Setup] ; x", "flag", "a"}));
    EXPECT_EQ(ini.GetValue("A", "flag", "x"), "");
    EXPECT_EQ(ini.GetValue("A", "a", ""), "b = c");
    EXPECT_EQ(ini.GetValue("Setup", "flag", "none"), "none");
    EXPECT_EQ(ini.GetValue(" Spaced ", "k", ""), "v");
    EXPECT_EQ(ini.GetValue("Spaced", "k", "none"), "none");
    // "[]" makes a second unnamed section that look-ups never reach.
    EXPECT_EQ(ini.GetValue("z"), "");
}

TEST_F(IniFileTest, DefaultIsTrimmedOnlyWhenTheSectionExists) {
    config::CIniFile ini;
    LoadText(ini, "[S]\nk=v\n");
    EXPECT_EQ(ini.GetValue("Missing", "k", "  d \t"), "  d \t");
    EXPECT_EQ(ini.GetValue("S", "missing", "  d \t"), "d");
}

TEST_F(IniFileTest, CaseRules) {
    config::CIniFile ini;
    LoadText(ini, "[Setup]\nLanguage=English\n");
    ini.SetValue("setup", "LANGUAGE", "english");
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.GetValue("Setup", "Language", ""), "english");
    EXPECT_EQ(*ini.Save(false), "");
    EXPECT_EQ(Read(path_), "[Setup]\nLanguage=English\n");

    config::CIniFile exact;
    LoadText(exact, "[Setup]\nLanguage=English\n", false);
    EXPECT_EQ(exact.GetValue("setup", "Language", "d"), "d");
    EXPECT_EQ(exact.GetValue("Setup", "language", "d"), "d");
    exact.SetValue("Setup", "Language", "english");
    EXPECT_TRUE(exact.Modified());
}

TEST_F(IniFileTest, ChineseTextsAndBom) {
    config::CIniFile ini;
    LoadText(ini, "\xEF\xBB\xBF[中文Ab]\n键=值 // 注释\nÀ=upper\n");
    const Names names = ini.GetSectionNames();
    EXPECT_EQ(names, Names{"中文Ab"});
    EXPECT_EQ(ini.GetValue("中文aB", "键", ""), "值 ");
    EXPECT_EQ(ini.GetValue("中文", "键", "d"), "d");
    // Only ASCII letters fold; a multibyte character matches itself only.
    EXPECT_EQ(ini.GetValue("中文Ab", "à", "d"), "d");
    EXPECT_EQ(ini.GetValue("中文Ab", "À", "d"), "upper");
    ini.SetValue("中文AB", "键", "新值");
    ini.Save(false);
    EXPECT_EQ(Read(path_), "[中文Ab]\n键=新值\nÀ=upper\n");
}

TEST_F(IniFileTest, WriteBackDropsCommentsAndNormalisesEntries) {
    config::CIniFile ini;
    LoadText(ini,
             "; head\r\ntop = 1\r\n\r\n[Setup]\r\n  Language = English ; c\r\n"
             "[Empty]\r\n[]\r\nz=9\r\n");
    EXPECT_EQ(*ini.Save(false), "");
    EXPECT_EQ(Read(path_).substr(0, 6), "; head");  // unmodified: nothing written
    ini.SetValue("New", "", "bare");
    ini.SetValue("New", "k", "v");
    ini.Save(false);
    const std::string expected =
        "top=1\n[Setup]\nLanguage=English ; c\n[Empty]\n[]\nz=9\n[New]\nbare\nk=v\n";
    EXPECT_EQ(Read(path_), expected);

    // Modified stays set: a later Save writes again.
    Write(path_, "changed behind our back\n");
    ini.Save(false);
    EXPECT_EQ(Read(path_), expected);

    // The "[]" section reads back as its own section.
    config::CIniFile again;
    ASSERT_TRUE(again.Load(path_, false, true, false));
    EXPECT_EQ(again.GetValue("Empty", "z", "none"), "none");
}

TEST_F(IniFileTest, NoStaleTailAfterShrinking) {
    config::CIniFile ini;
    LoadText(ini, "[Keep]\na=1\n[Big]\n" + std::string(5000, 'x') + "=y\n");
    ASSERT_TRUE(ini.RemoveSection("Big"));
    ini.Save(false);
    EXPECT_EQ(Read(path_), "[Keep]\na=1\n");
    for (const auto& e : fs::directory_iterator(dir_)) {
        EXPECT_EQ(e.path().filename(), "Program.ini");  // no temporary file left
    }
}

TEST_F(IniFileTest, RewritesInPlaceWhenTheDirectoryIsNotWritable) {
    Write(path_, "[Keep]\na=1\n[Big]\n" + std::string(5000, 'x') + "=y\n");
    ASSERT_EQ(::chmod(path_.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dir_.c_str(), geteuid() == 0 ? 0755 : 0555), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // As root, give up the rights that would let us write the directory.
        if (geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        int code = 0;
        {
            config::CIniFile ini;
            if (!ini.Load(path_, false, true, false)) code = 3;
            ini.RemoveSection("Big");
            ini.SetValue("Keep", "b", "2");
            ini.Save(false);
        }
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Read(path_), "[Keep]\na=1\nb=2\n");
}

TEST_F(IniFileTest, BackupsAreNumberedAndTheNameIsReused) {
    Write(dir_ + "/Program.bak", "unrelated");
    Write(dir_ + "/Other.ini.007", "other file");
    {
        config::CIniFile ini;
        LoadText(ini, "[S]\nk=1\n");
        ini.SetValue("S", "k", "2");
        EXPECT_EQ(*ini.Save(true), path_ + ".001");
        EXPECT_EQ(Read(path_ + ".001"), "[S]\nk=1\n");
        ini.SetValue("S", "k", "3");
        EXPECT_EQ(*ini.Save(true), path_ + ".001");
        EXPECT_EQ(Read(path_ + ".001"), "[S]\nk=2\n");
        EXPECT_EQ(*ini.Save(false), "");
        EXPECT_EQ(Read(path_), "[S]\nk=3\n");
    }
    config::CIniFile ini;
    ASSERT_TRUE(ini.Load(path_, true, true, true));
    ini.SetValue("S", "k", "4");
    EXPECT_EQ(*ini.Save(true), path_ + ".002");
    EXPECT_EQ(Read(path_ + ".002"), "[S]\nk=3\n");
}

// Only Save writes, and a write-back that fails is the caller's to handle.
TEST_F(IniFileTest, OnlySaveWritesAndSaysWhyItCannot) {
    Write(path_, "[S]\nk=1\n");
    {
        config::CIniFile ini;
        ASSERT_TRUE(ini.Load(path_, true, true, true));
        ini.SetValue("S", "k", "2");
    }
    EXPECT_EQ(Read(path_), "[S]\nk=1\n") << "the destructor writes nothing";
    EXPECT_FALSE(fs::exists(path_ + ".001"));

    // Loading another file drops what was not saved.
    config::CIniFile ini;
    ASSERT_TRUE(ini.Load(path_, false, true, true));
    ini.SetValue("S", "k", "3");
    ASSERT_TRUE(ini.Load(dir_ + "/other.ini", false, true, false));
    EXPECT_EQ(Read(path_), "[S]\nk=1\n");
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.GetValue("S", "k", "d"), "d");

    // A folder that is a file: neither way of writing works, and Save says so.
    Write(dir_ + "/plain", "x");
    ini.MoveTo(dir_ + "/plain/Program.ini");
    ini.SetValue("S", "k", "4");
    const Result<std::string> saved = ini.Save(false);
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.detail().find(dir_ + "/plain/Program.ini"), std::string::npos)
        << saved.detail();
}

TEST_F(IniFileTest, SaveThroughASymlinkKeepsTheLink) {
    const std::string real = dir_ + "/real.ini";
    Write(real, "[S]\nk=1\n");
    fs::create_symlink(real, path_);
    config::CIniFile ini;
    ASSERT_TRUE(ini.Load(path_, false, true, false));
    ini.SetValue("S", "k", "2");
    ini.Save(false);
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(Read(real), "[S]\nk=2\n");
}

TEST_F(IniFileTest, Lists) {
    config::CIniFile ini;
    LoadText(ini, "[Setup]\nField=a| b |c\nEnd=a|\nNone=(null)\n");
    EXPECT_EQ(ini.GetListItem("Setup", "Field", 0, '|'), "a");
    EXPECT_EQ(ini.GetListItem("Setup", "Field", 1, '|'), "b");
    EXPECT_EQ(ini.GetListItem("Setup", "Field", 2, '|'), "c");
    EXPECT_EQ(ini.GetListItem("Setup", "Field", 3, '|'), "");
    EXPECT_EQ(ini.GetListItem("Setup", "Field", -1, '|'), "");
    EXPECT_EQ(ini.GetListItem("Setup", "Missing", 0, '|'), "");
    EXPECT_EQ(ini.GetListItem("Setup", "None", 0, '|'), "");

    EXPECT_TRUE(config::CIniFile::SplitList("", '|').empty());
    EXPECT_TRUE(config::CIniFile::SplitList("(null)", '|').empty());
    EXPECT_EQ(config::CIniFile::SplitList("a|", '|'), (Names{"a", ""}));
    EXPECT_EQ(config::CIniFile::SplitList(" x ", '|'), Names{" x "});
}

TEST_F(IniFileTest, OpenLooksBesideTheProgram) {
    const std::string exeDir = config::ExeDir();
    ASSERT_FALSE(exeDir.empty());
    EXPECT_EQ(exeDir.back(), '/');
    EXPECT_EQ(exeDir, fs::read_symlink("/proc/self/exe").parent_path().string() + "/");
    // Climb from the program's directory to the root, then down to our file.
    std::string relative;
    for (std::size_t i = 1; i < exeDir.size(); ++i) {
        if (exeDir[i] == '/') relative += "../";
    }
    relative += path_.substr(1);
    config::CIniFile ini;
    EXPECT_TRUE(ini.Open(relative, false, true, false));
    EXPECT_EQ(ini.FilePath(), exeDir + relative);
    EXPECT_TRUE(fs::exists(path_));
}

}  // namespace
}  // namespace qm530
