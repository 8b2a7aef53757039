#include "link/backup_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "model/dat_file.h"

namespace qm530::test {
namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed at the end.
class Backups : public ::testing::Test {
  protected:
    void SetUp() override {
        root =
            fs::path(::testing::TempDir()) /
            ("qm530-backups-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        folder = (root / "data").string() + "/backups/";  // as the store joins it
    }
    void TearDown() override { fs::remove_all(root); }

    // A backup file named as of `when`, holding `image`.
    std::string Plant(std::time_t when, const std::string& tag, const RadioImage& image) {
        fs::create_directories(folder);
        const std::string path = folder + link::BackupFileName(when, tag);
        EXPECT_TRUE(SaveDatFile(path, image));
        return path;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const link::BackupEntry& e : link::BackupStore(folder).List())
            names.push_back(e.fileName);
        return names;
    }

    fs::path root;
    std::string folder;
};

// 2025-05-01 14:03:22 in the local time zone.
std::time_t Moment(int second = 22) {
    std::tm tm{};
    tm.tm_year = 125;
    tm.tm_mon = 4;
    tm.tm_mday = 1;
    tm.tm_hour = 14;
    tm.tm_min = 3;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

RadioImage WithChannels(int channels, int model, int band) {
    RadioImage image = RadioImage::Default();
    for (int n = 1; n <= channels; ++n) {
        const std::size_t at = static_cast<std::size_t>(n) * 16;
        // 145.125 MHz in BCD, least significant pair first, for Rx and Tx.
        for (std::size_t field : {at, at + 4}) {
            image[field] = 0x00;
            image[field + 1] = 0x25;
            image[field + 2] = 0x51;
            image[field + 3] = 0x14;
        }
    }
    image[addr::kProductType] = static_cast<std::uint8_t>(model);
    image[addr::kBandIndex] = static_cast<std::uint8_t>(band);
    return image;
}

TEST(BackupNames, SortByTimeAndSayWhichPort) {
    EXPECT_EQ(link::BackupFileName(Moment(), "COM1"), "20250501-140322-COM1.dat");
    EXPECT_EQ(link::BackupFileName(Moment(), "COM1", 3), "20250501-140322-COM1.3.dat");
    EXPECT_EQ(link::BackupPortTag("com2"), "COM2");
    EXPECT_EQ(link::BackupPortTag("/dev/ttyUSB0"), "ttyUSB0");
    EXPECT_EQ(link::BackupPortTag("/dev/pts/5"), "pts_5");
    EXPECT_EQ(link::BackupPortTag("virtual:/tmp/radio.dat"), "virtual");
    EXPECT_EQ(link::BackupPortTag("/dev/serial/by-id/usb-FT232R (x)"), "usb-FT232R__x_");
    EXPECT_EQ(link::BackupPortTag(""), "port");

    const auto name = link::ParseBackupName("20250501-140322-ttyUSB0.12.dat");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->stamp, "20250501-140322");
    EXPECT_EQ(name->port, "ttyUSB0");
    EXPECT_EQ(name->sequence, 12);
    for (const char* other :
         {"radio.dat", "20250501-140322-.dat", "20250501-140322-COM1.1.dat",
          "20250501-140322-COM1.dat.tmp", "2025050-1140322-COM1.dat", "20250501-140322-CO M1.dat",
          ".20250501-140322-COM1.dat.tmpAbCdEf", "20250501-140322-COM1.02.dat"})
        EXPECT_FALSE(link::ParseBackupName(other)) << other;
}

TEST_F(Backups, KeepWritesTheImageAndListShowsItNewestFirst) {
    const link::BackupStore store(folder);
    const RadioImage radio = WithChannels(6, 1, 0);
    const Result<std::string> first = store.Keep(radio, "COM1", Moment());
    ASSERT_TRUE(first) << first.detail();
    EXPECT_EQ(*first, folder + "20250501-140322-COM1.dat");
    const Result<RadioImage> back = LoadDatFile(*first);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, radio);

    // The same port within the same second gets a file of its own.
    const Result<std::string> second = store.Keep(RadioImage::Default(), "com1", Moment());
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, folder + "20250501-140322-COM1.2.dat");
    ASSERT_TRUE(store.Keep(RadioImage::Default(), "/dev/ttyUSB0", Moment(40)));
    // Whatever else lies in the folder is neither listed nor touched.
    std::ofstream(folder + "notes.txt") << "mine";
    std::ofstream(folder + "20250501-140350-COM3.dat") << "short";

    const std::vector<link::BackupEntry> list = store.List();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].fileName, "20250501-140350-COM3.dat");
    EXPECT_FALSE(list[0].loaded);
    EXPECT_EQ(list[0].programmedChannels, -1);
    EXPECT_EQ(list[1].fileName, "20250501-140340-ttyUSB0.dat");
    EXPECT_EQ(list[2].fileName, "20250501-140322-COM1.2.dat");
    EXPECT_EQ(list[3].fileName, "20250501-140322-COM1.dat");
    EXPECT_EQ(list[3].DateTime(), "2025-05-01 14:03:22");
    EXPECT_EQ(list[3].port, "COM1");
    EXPECT_TRUE(list[3].loaded);
    EXPECT_EQ(list[3].productType, 1);
    EXPECT_EQ(list[3].bandIndex, 0);
    EXPECT_EQ(list[3].programmedChannels, 6);
    EXPECT_EQ(list[2].programmedChannels, 0);
    EXPECT_TRUE(fs::exists(folder + "notes.txt"));
}

TEST_F(Backups, TheNewestAreKeptAndNeverTheNewOneRemoved) {
    const link::BackupStore store(folder, 3);
    const std::string older = Plant(Moment(1), "COM1", RadioImage::Default());
    Plant(Moment(2), "COM1", RadioImage::Default());
    Plant(Moment(3), "COM2", RadioImage::Default());
    Plant(Moment(50), "COM1", RadioImage::Default());  // newer than the one to come
    std::ofstream(folder + "notes.txt") << "mine";

    ASSERT_TRUE(store.Keep(RadioImage::Default(), "COM1", Moment(30)));
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"20250501-140350-COM1.dat", "20250501-140330-COM1.dat",
                                        "20250501-140303-COM2.dat"}));
    EXPECT_FALSE(fs::exists(older));
    EXPECT_TRUE(fs::exists(folder + "notes.txt"));

    // A clock set back: the new backup is the oldest by its name, and stays.
    ASSERT_TRUE(store.Keep(RadioImage::Default(), "COM1", Moment(0)));
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"20250501-140350-COM1.dat", "20250501-140330-COM1.dat",
                                        "20250501-140300-COM1.dat"}));
}

TEST_F(Backups, AnInterruptedWriteLeftBehindGoesWithTheNextBackup) {
    const link::BackupStore store(folder);
    fs::create_directories(folder);
    const std::string stale = folder + ".20250501-140322-COM1.dat.tmpAbCdEf";
    const std::string fresh = folder + ".20250501-140323-COM1.dat.tmpGhIjKl";
    std::ofstream(stale) << "x";
    std::ofstream(fresh) << "x";
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));
    ASSERT_TRUE(store.Keep(RadioImage::Default(), "COM1", Moment()));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));  // may belong to a write that still runs
}

TEST_F(Backups, AFolderThatCannotBeUsedSaysWhy) {
    const Result<std::string> unknown =
        link::BackupStore::InUserDataDir("").Keep(RadioImage::Default(), "COM1", Moment());
    ASSERT_FALSE(unknown);
    EXPECT_EQ(link::BackupFailure(unknown.status(), UiLanguage::English),
              "the data folder is not known (neither XDG_DATA_HOME nor HOME is set)");
    EXPECT_EQ(link::BackupFailure(unknown.status(), UiLanguage::Chinese),
              "数据文件夹未知（XDG_DATA_HOME 和 HOME 均未设置）");
    EXPECT_TRUE(link::BackupStore::InUserDataDir("").List().empty());

    // A file where the folder should be.
    fs::create_directories(root / "data");
    std::ofstream((root / "data" / "backups").string()) << "in the way";
    const link::BackupStore store = link::BackupStore::InUserDataDir((root / "data").string());
    EXPECT_EQ(store.Folder(), folder);
    const Result<std::string> blocked = store.Keep(RadioImage::Default(), "COM1", Moment());
    ASSERT_FALSE(blocked);
    EXPECT_NE(blocked.detail().find(folder), std::string::npos) << blocked.detail();
    EXPECT_EQ(link::BackupFailure(blocked.status(), UiLanguage::Chinese), blocked.detail());
}

}  // namespace
}  // namespace qm530::test
