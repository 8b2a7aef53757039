#include "config/data_dirs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "config/ini_file.h"
#include "config/program_version.h"

namespace qm530 {
namespace {

namespace fs = std::filesystem;

// An installation laid out as under a prefix: prefix/bin/ and
// prefix/share/qm530/, plus a user configuration folder.
class DataDirsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "qm530-dirs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        root_ = tmpl;
        fs::create_directories(root_ + "/prefix/bin");
        fs::create_directories(root_ + "/prefix/share/qm530");
        dirs_.exeDir = root_ + "/prefix/bin/";
        dirs_.dataDir = config::DataDirOf(dirs_.exeDir);
        dirs_.configDir = config::UserConfigDirOf((root_ + "/config").c_str(), "/home/nobody");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void Write(const std::string& path, const std::string& text) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string root_;
    config::ProgramDirs dirs_;
};

TEST_F(DataDirsTest, FoldersFollowThePrefixAndTheEnvironment) {
    EXPECT_EQ(dirs_.dataDir, root_ + "/prefix/share/qm530/");
    EXPECT_EQ(config::DataDirOf("/opt/x/bin/"), "/opt/x/share/qm530/");
    EXPECT_EQ(config::DataDirOf("/usr/bin"), "/usr/share/qm530/");
    EXPECT_EQ(dirs_.configDir, root_ + "/config/qm530/");
    EXPECT_EQ(config::UserConfigDirOf("/xdg/", nullptr), "/xdg/qm530/");
    // An unset, empty or relative XDG_CONFIG_HOME falls back to ~/.config.
    EXPECT_EQ(config::UserConfigDirOf(nullptr, "/home/u"), "/home/u/.config/qm530/");
    EXPECT_EQ(config::UserConfigDirOf("", "/home/u/"), "/home/u/.config/qm530/");
    EXPECT_EQ(config::UserConfigDirOf("rel/dir", "/home/u"), "/home/u/.config/qm530/");
    EXPECT_EQ(config::UserConfigDirOf(nullptr, nullptr), "");
    EXPECT_EQ(config::UserConfigDirOf("rel", ""), "");
    EXPECT_EQ(config::UserDataDirOf("/xdg-data", "/home/u"), "/xdg-data/qm530/");
    EXPECT_EQ(config::UserDataDirOf("rel", "/home/u"), "/home/u/.local/share/qm530/");
    EXPECT_EQ(config::UserDataDirOf(nullptr, nullptr), "");
}

TEST_F(DataDirsTest, ProgramFolderComesBeforeTheDataFolder) {
    Write(dirs_.dataDir + "title.ico", "data");
    Write(dirs_.dataDir + "enHelp/index.html", "data");
    EXPECT_EQ(config::ProgramFilePath(dirs_, "title.ico"), dirs_.dataDir + "title.ico");
    EXPECT_EQ(config::ProgramFileFolder(dirs_, "enHelp"), dirs_.dataDir);
    // Neither has it: the program folder, as without an installation.
    EXPECT_EQ(config::ProgramFilePath(dirs_, "English.rcc"), dirs_.exeDir + "English.rcc");

    Write(dirs_.exeDir + "title.ico", "exe");
    fs::create_directories(dirs_.exeDir + "enHelp");
    EXPECT_EQ(config::ProgramFilePath(dirs_, "title.ico"), dirs_.exeDir + "title.ico");
    EXPECT_EQ(config::ProgramFileFolder(dirs_, "enHelp"), dirs_.exeDir);

    // Without a data folder only the program folder counts.
    config::ProgramDirs bare = dirs_;
    bare.dataDir.clear();
    EXPECT_EQ(config::ProgramFilePath(bare, "background.bmp"), dirs_.exeDir + "background.bmp");
}

TEST_F(DataDirsTest, ProgramIniIsReadAndWrittenWhereTheUserMay) {
    const auto yes = [](const std::string&) { return true; };
    const auto no = [](const std::string&) { return false; };
    const std::string exeIni = dirs_.exeDir + "Program.ini";
    const std::string dataIni = dirs_.dataDir + "Program.ini";
    const std::string userIni = dirs_.configDir + "Program.ini";

    // None anywhere: the program folder's, to be created there.
    config::IniPlace place = config::ProgramIniPlace(dirs_, no);
    EXPECT_EQ(place.readPath, exeIni);
    EXPECT_EQ(place.writePath, exeIni);

    // Installed: read from the data folder, written to the user's copy, even
    // where the data folder could be written (root).
    Write(dataIni, "[Setup]\n");
    place = config::ProgramIniPlace(dirs_, yes);
    EXPECT_EQ(place.readPath, dataIni);
    EXPECT_EQ(place.writePath, userIni);

    // A copied program folder: its own file, written back there while it may be.
    Write(exeIni, "[Setup]\n");
    place = config::ProgramIniPlace(dirs_, yes);
    EXPECT_EQ(place.readPath, exeIni);
    EXPECT_EQ(place.writePath, exeIni);
    place = config::ProgramIniPlace(dirs_, no);
    EXPECT_EQ(place.readPath, exeIni);
    EXPECT_EQ(place.writePath, userIni);

    // Without a user folder there is nowhere else to write.
    config::ProgramDirs homeless = dirs_;
    homeless.configDir.clear();
    place = config::ProgramIniPlace(homeless, no);
    EXPECT_EQ(place.writePath, exeIni);

    // Once the user's copy exists it wins over both.
    Write(userIni, "[Setup]\n");
    place = config::ProgramIniPlace(dirs_, no);
    EXPECT_EQ(place.readPath, userIni);
    EXPECT_EQ(place.writePath, userIni);
}

TEST_F(DataDirsTest, LanguageChangeOfAnInstalledProgramLandsInTheUserCopy) {
    const std::string dataIni = dirs_.dataDir + "Program.ini";
    const std::string installed = "[Setup]\nLanguage=English\nShowLang=1\n[English]\nCompany=Q\n";
    Write(dataIni, installed);
    {
        config::CIniFile ini;
        ASSERT_TRUE(config::OpenProgramIni(ini, dirs_, true, true, false));
        EXPECT_EQ(ini.GetValue("Setup", "Language", ""), "English");
        EXPECT_EQ(ini.FilePath(), dirs_.configDir + "Program.ini");
        EXPECT_FALSE(fs::exists(dirs_.configDir)) << "nothing changed, nothing made yet";
        ini.SetValue("Setup", "Language", "Chinese");
        ASSERT_TRUE(ini.Save(false));
    }
    EXPECT_EQ(Read(dataIni), installed);
    EXPECT_EQ(Read(dirs_.configDir + "Program.ini"),
              "[Setup]\nLanguage=Chinese\nShowLang=1\n[English]\nCompany=Q\n");

    // The next start reads the user's copy.
    config::CIniFile again;
    ASSERT_TRUE(config::OpenProgramIni(again, dirs_, true, true, false));
    EXPECT_EQ(again.FilePath(), dirs_.configDir + "Program.ini");
    EXPECT_EQ(again.GetValue("Setup", "Language", ""), "Chinese");
    EXPECT_EQ(again.GetValue("English", "Company", ""), "Q");
}

TEST(ProgramVersionTest, MarkerBecomesTheRunningVersion) {
    const std::string v = config::ProgramVersion();
    EXPECT_FALSE(v.empty());
    EXPECT_EQ(config::WithProgramVersion("Version {version}"), "Version " + v);
    EXPECT_EQ(config::WithProgramVersion("{version}/{version}"), v + "/" + v);
    EXPECT_EQ(config::WithProgramVersion("Version 9.9"), "Version 9.9");
}

}  // namespace
}  // namespace qm530
