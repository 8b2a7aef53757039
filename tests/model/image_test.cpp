#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/atomic_file.h"
#include "model/dat_file.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

// A scratch directory removed again at the end of the test.
class ScratchDir {
  public:
    ScratchDir() {
        char tmpl[] = "/tmp/qm530-image-XXXXXX";
        path_ = ::mkdtemp(tmpl);
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }
    operator std::string() const { return path_; }

  private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

TEST(DefaultImage, MatchesTheRowsOfANewDocument) {
    const RadioImage img = RadioImage::Default();
    const std::uint8_t row0[16] = {0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                   0x00, 0x03, 0x01, 0x00, 0x02, 0x00, 0x24, 0x11};
    const std::uint8_t row13[16] = {0x04, 0x09, 0xFF, 0xFF, 0x04, 0x01, 0x01, 0xFF,
                                    0xFF, 0xFF, 0x05, 0x02, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::uint8_t row16[16] = {0x00, 0x11, 0x09, 0x15, 0xFF, 0x30, 0x00, 0x30,
                                    0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::uint8_t row1b[8] = {0x50, 0x33, 0x32, 0x30, 0x37, 0x33, 0xF0, 0x01};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(img[i], row0[i]) << i;
        EXPECT_EQ(img[0x130 + i], row13[i]) << i;
        EXPECT_EQ(img[0x160 + i], row16[i]) << i;
    }
    for (int i = 0; i < 8; ++i) EXPECT_EQ(img[0x1B8 + i], row1b[i]);
    EXPECT_EQ(img[0x12F], 0x01);
    EXPECT_EQ(img[0x17E], 0x00);
    EXPECT_EQ(img[0x17F], 0x00);
    EXPECT_EQ(img[0x3F1], 0x00);
    EXPECT_EQ(img[0x3F2], 0x18);
    EXPECT_EQ(img[0x3D2], 0xFF);
    EXPECT_EQ(img[0x3D3], 0xFF);

    int notFF = 0;
    for (std::uint8_t b : img.bytes) notFF += b != 0xFF;
    // 39 addresses are set; 0x161, 0x163 etc. hold values other than 0xFF.
    EXPECT_EQ(notFF, kDefaultImageEntries);
}

TEST(DatFile, SaveWritesExactly1024BytesAndLoadsBack) {
    const ScratchDir scratch;
    const std::string dir = scratch;
    const std::string path = dir + "/a.dat";
    RadioImage img = RadioImage::Default();
    img[0x3FF] = 0x42;
    ASSERT_TRUE(SaveDatFile(path, img));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 1024);
    const Result<RadioImage> back = LoadDatFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, img);
}

TEST(DatFile, ShortFileFailsAndChangesNothing) {
    const ScratchDir scratch;
    const std::string dir = scratch;
    const std::string path = dir + "/short.dat";
    WriteBytes(path, std::string(1023, '\x11'));
    const Result<RadioImage> s = LoadDatFile(path);
    EXPECT_FALSE(s);
    EXPECT_NE(s.detail().find("1023"), std::string::npos);
    EXPECT_EQ(s.status().messageId(), openfail::kTooShort);
    const Result<RadioImage> missing = LoadDatFile(dir + "/missing.dat");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.status().messageId(), openfail::kMissing);
}

TEST(DatFile, LongerFileLoadsItsFirst1024Bytes) {
    const ScratchDir scratch;
    const std::string dir = scratch;
    const std::string path = dir + "/long.dat";
    std::string data(1024, '\x22');
    data += std::string(100, '\x33');
    WriteBytes(path, data);
    const Result<RadioImage> img = LoadDatFile(path);
    ASSERT_TRUE(img);
    for (std::uint8_t b : img->bytes) ASSERT_EQ(b, 0x22);
}

TEST(DatFile, FailedSaveKeepsTheOldFileWhole) {
    const ScratchDir scratch;
    const std::string dir = scratch;
    const std::string path = dir + "/keep.dat";
    ASSERT_TRUE(SaveDatFile(path, RadioImage::Default()));
    ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
    const bool root = ::geteuid() == 0;  // root may write anyway
    const Status s = SaveDatFile(path, RadioImage::Blank());
    ::chmod(dir.c_str(), 0755);
    if (!root) {
        EXPECT_FALSE(s);
    }
    const Result<RadioImage> back = LoadDatFile(path);
    ASSERT_TRUE(back);
    if (!root) {
        EXPECT_EQ(*back, RadioImage::Default());
    }
}

TEST(AtomicFile, ReplacesTheTargetOfALinkAndRefusesReadOnlyFiles) {
    const ScratchDir scratch;
    const std::string dir = scratch;
    const std::string target = dir + "/target.dat";
    const std::string link = dir + "/link.dat";
    WriteBytes(target, "old");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_TRUE(ReadWholeFile(target));
    EXPECT_EQ(*ReadWholeFile(target), "new");

    // Refused also for root, whom the system would let write it.
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    const Status s = WriteFileAtomically(target, "newer");
    EXPECT_FALSE(s);
    EXPECT_NE(s.detail().find("read-only"), std::string::npos);
    ASSERT_TRUE(ReadWholeFile(target));
    EXPECT_EQ(*ReadWholeFile(target), "new");
}

TEST(AtomicFile, ReplacesContentKeepsModeAndLeavesNoTemporaryFiles) {
    const ScratchDir scratch;
    const std::string dir = scratch;
    const std::string path = dir + "/f.txt";
    WriteBytes(path, std::string(5000, 'x'));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "short"));
    ASSERT_TRUE(ReadWholeFile(path));
    EXPECT_EQ(*ReadWholeFile(path), "short");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    const std::string cmd = "test $(ls -A " + dir + " | wc -l) -eq 1";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_FALSE(WriteFileAtomically(dir + "/no/such/dir/f", "x"));
}

TEST(AtomicFile, TheNextWriteRemovesWhatAnInterruptedWriteOfTheSameFileLeft) {
    const ScratchDir scratch;
    const std::string dir = scratch;
    const std::string path = dir + "/radio.dat";
    WriteBytes(path, "old");
    // What a write killed between naming its file and the rename leaves.
    WriteBytes(dir + "/.radio.dat.tmpAb12Cd", "half");
    // Not the leftovers of this file: kept.
    WriteBytes(dir + "/.other.dat.tmpAb12Cd", "other");
    WriteBytes(dir + "/.radio.dat.tmpAb12Cd7", "longer");
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(*ReadWholeFile(path), "new");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".other.dat.tmpAb12Cd", ".radio.dat.tmpAb12Cd7",
                                               "radio.dat"}));
}

}  // namespace
}  // namespace qm530

namespace qm530 {
namespace {

// What is no radio image says so when it is read, and is never cut or
// replaced by a save.
TEST(DatFile, FilesThatAreNoRadioImagesSayWhy) {
    const ScratchDir scratch;
    const std::string dir = scratch;

    const std::string json = dir + "/config.json";
    WriteBytes(
        json, "{\n  \"model\": \"QM-520\",\n  \"channels\": [" + std::string(1500, ' ') + "]\n}\n");
    const Result<DatFile> config = ReadDatFile(json);
    ASSERT_FALSE(config);
    EXPECT_EQ(config.status().messageId(), openfail::kJson);
    EXPECT_NE(config.detail().find("import --format json"), std::string::npos);

    const std::string longer = dir + "/long.dat";
    WriteBytes(longer, std::string(1100, '\x22'));
    const Result<DatFile> read = ReadDatFile(longer);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Longer());
    EXPECT_EQ(read->size, 1100u);
    const Status cut = SaveDatFile(longer, RadioImage::Default());
    EXPECT_FALSE(cut);
    EXPECT_EQ(cut.messageId(), savefail::kLonger);
    EXPECT_EQ(ReadWholeFile(longer)->size(), 1100u);
    EXPECT_TRUE(SaveDatFile(longer, RadioImage::Default(), /*overLonger=*/true));
    EXPECT_EQ(ReadWholeFile(longer)->size(), 1024u);

    // A FIFO is refused at once instead of waiting for a writer; so is a
    // device that reads as endless zeros.
    const std::string fifo = dir + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), dir}) {
        EXPECT_EQ(ReadDatFile(path).status().messageId(), openfail::kNotAFile) << path;
    }
    const std::string loop = dir + "/loop.dat";
    ASSERT_EQ(::symlink((dir + "/loop2.dat").c_str(), loop.c_str()), 0);
    ASSERT_EQ(::symlink(loop.c_str(), (dir + "/loop2.dat").c_str()), 0);
    EXPECT_EQ(ReadDatFile(loop).status().messageId(), openfail::kLinkLoop);
    EXPECT_EQ(OpenFailureSentence(ReadDatFile(loop).status(), UiLanguage::English),
              "The symbolic links of this name point at each other in a loop.");

    // A save never puts a regular file in the place of anything else.
    const Status overFifo = SaveDatFile(fifo, RadioImage::Default());
    EXPECT_FALSE(overFifo);
    EXPECT_NE(overFifo.detail().find("not a regular file"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_NE(WriteFileAtomically(loop, "x").detail().find("loop of symbolic links"),
              std::string::npos);
    if (::geteuid() == 0) {
        // A device node, made here rather than trying /dev/null itself.
        const std::string node = dir + "/null";
        ASSERT_EQ(::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        EXPECT_FALSE(WriteFileAtomically(node, "%PDF"));
        ASSERT_EQ(::lstat(node.c_str(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }
}

}  // namespace
}  // namespace qm530
