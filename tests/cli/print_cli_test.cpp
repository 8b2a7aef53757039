// Runs `qm530 print` on real images and reads the PDF back with pdftotext -bbox.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/radio_image.h"

namespace {

namespace fs = std::filesystem;

struct Word {
    double x1, y1, x2, y2;  // points, y down
    std::string text;
};
struct PdfPage {
    double height = 0;
    std::vector<Word> words;
};

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

std::vector<PdfPage> ReadPdf(const fs::path& pdf) {
    const fs::path html = pdf.string() + ".html";
    std::vector<PdfPage> pages;
    if (Shell("pdftotext -bbox " + Quote(pdf) + " " + Quote(html)) != 0) return pages;
    std::ifstream in(html);
    const std::regex pageRe(R"re(<page width="[\d.]+" height="([\d.]+)">)re");
    const std::regex wordRe(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, pageRe)) {
            pages.push_back({std::stod(m[1]), {}});
        } else if (std::regex_search(line, m, wordRe) && !pages.empty()) {
            pages.back().words.push_back(
                {std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
        }
    }
    return pages;
}

// The first word of a page with the text, or nullptr.
const Word* Find(const PdfPage& page, const std::string& text) {
    for (const Word& w : page.words) {
        if (w.text == text) return &w;
    }
    return nullptr;
}

// The words of one line (same top within a point), left to right, joined by blanks.
std::string LineOf(const PdfPage& page, const Word& word) {
    std::vector<const Word*> line;
    for (const Word& w : page.words) {
        if (std::abs(w.y2 - word.y2) < 1.0) line.push_back(&w);
    }
    std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->x1 < b->x1; });
    std::string text;
    for (const Word* w : line) text += (text.empty() ? "" : " ") + w->text;
    return text;
}

bool SameLine(const Word& a, const Word& b) {
    return std::abs(a.y2 - b.y2) < 1.0;
}

class PrintCli : public ::testing::Test {
  protected:
    void SetUp() override {
        if (Shell("command -v pdftotext >/dev/null") != 0) GTEST_SKIP() << "pdftotext is missing";
        dir_ = fs::temp_directory_path() /
               ("qm530_print_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::ofstream(dir_ / "Program.ini") << "[Setup]\nLanguage=English\n"
                                               "[English]\nCopyrights Owner=Acme Radio Shop\n"
                                               "[Chinese]\nCopyrights Owner=测试 车行\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Saves an image with channels 1 to `count` programmed.
    fs::path Image(int count) {
        qm530::RadioImage image = qm530::RadioImage::Default();
        qm530::ChannelTable grid;
        for (int ch = 1; ch <= count; ++ch) {
            grid.SetCell(ch, qm530::col::kRx, "145.12500");
            grid.SetCell(ch, qm530::col::kTx, "146.50000");
            grid.SetCell(ch, qm530::col::kDecode, "67.0");
            grid.SetCell(ch, qm530::col::kEncode, "D023N");
            grid.SetCell(ch, qm530::col::kPower, "Low");
            grid.SetCell(ch, qm530::col::kScanAdd, "Yes");
            grid.SetCell(ch, qm530::col::kBusyLock, "Carrier");
            grid.SetCell(ch, qm530::col::kBandwidth, "Narrow");
        }
        qm530::GridToImage(grid, image);
        const fs::path path = dir_ / ("ch" + std::to_string(count) + ".dat");
        EXPECT_TRUE(qm530::SaveDatFile(path, image));
        return path;
    }

    // Runs qm530 print without any display or chosen Qt platform.
    int Print(const fs::path& dat, const fs::path& pdf, const std::string& more = {}) {
        return Shell("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                     Quote(std::string(QM530_BIN_DIR) + "/qm530") + " print " + Quote(dat) +
                     " --pdf " + Quote(pdf) + " --ini " + Quote(dir_ / "Program.ini") + " " + more +
                     " 2>" + Quote(dir_ / "stderr.txt"));
    }

    fs::path dir_;
};

TEST_F(PrintCli, ProgrammedImageInEnglish) {
    const fs::path pdf = dir_ / "out.pdf";
    ASSERT_EQ(Print(Image(9), pdf), 0);
    const auto pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 3u);  // options page + 7 + 2 channels

    const PdfPage& p1 = pages[0];
    const Word* title = Find(p1, "Option");
    const Word* heading = Find(p1, "Function");
    ASSERT_TRUE(title && heading);
    EXPECT_LT(title->y2, heading->y1);
    EXPECT_NEAR(title->x1, heading->x1, 0.5);  // both at 6C

    const Word* label = Find(p1, "Sequelch");
    const Word* value = Find(p1, "4");
    ASSERT_TRUE(label && value);
    EXPECT_TRUE(SameLine(*label, *value));
    EXPECT_LT(label->x2, value->x1);
    EXPECT_EQ(LineOf(p1, *label), "Sequelch Level: 4");
    EXPECT_EQ(LineOf(p1, *Find(p1, "Annunciation:")), "Voice Annunciation: Chinese");
    // "Off" as three letters, not with an "ff" ligature.
    const Word* off = Find(p1, "Off");
    ASSERT_NE(off, nullptr);
    EXPECT_EQ(LineOf(p1, *off), "Call Tone: Off");
    EXPECT_GT(label->y1, heading->y2);

    // Footer: the lowest line of the page, owner at the left, page number at the right.
    const Word* page = Find(p1, "Page");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(LineOf(p1, *page), "Acme Radio Shop Page 1 of 3");
    EXPECT_GT(page->y1, 0.85 * p1.height);
    for (const Word& w : p1.words) EXPECT_LE(w.y1, page->y1 + 1.0) << w.text;
    EXPECT_LT(Find(p1, "Shop")->x2, page->x1);

    const PdfPage& p2 = pages[1];
    const Word* channelTitle = Find(p2, "Channel");
    ASSERT_NE(channelTitle, nullptr);
    EXPECT_EQ(LineOf(p2, *channelTitle), "Channel");
    int heads = 0;  // "Channel n:"
    for (const Word& w : p2.words) heads += std::regex_match(w.text, std::regex(R"(\d+:)")) ? 1 : 0;
    EXPECT_EQ(heads, 7);
    const Word* rxLabel = Find(p2, "Receive");
    ASSERT_NE(rxLabel, nullptr);
    EXPECT_EQ(LineOf(p2, *rxLabel), "Receive Frequency: 145.12500 Transceive Frequency: 146.50000");
    EXPECT_EQ(LineOf(p2, *Find(p2, "Lock:")), "Channel Lock: Carrier W/N: Narrow");
    EXPECT_NE(Find(p2, "7:"), nullptr);
    EXPECT_EQ(Find(p2, "8:"), nullptr);

    const PdfPage& p3 = pages[2];
    EXPECT_NE(Find(p3, "8:"), nullptr);
    EXPECT_NE(Find(p3, "9:"), nullptr);
    EXPECT_EQ(LineOf(p3, *Find(p3, "Page")), "Acme Radio Shop Page 3 of 3");
}

TEST_F(PrintCli, NewImageInChinese) {
    const fs::path pdf = dir_ / "zh.pdf";
    ASSERT_EQ(Print(Image(0), pdf, "--lang zh"), 0);
    const auto pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const PdfPage& p1 = pages[0];
    const Word* title = Find(p1, "可选功能");
    const Word* heading = Find(p1, "功能");
    ASSERT_TRUE(title && heading);
    EXPECT_LT(title->y2, heading->y1);
    const Word* tot = Find(p1, "超时定时器:");
    ASSERT_NE(tot, nullptr);
    EXPECT_EQ(LineOf(p1, *tot), "超时定时器: 60s");
    EXPECT_EQ(LineOf(p1, *Find(p1, "语音报号:")), "语音报号: 中文");
    EXPECT_EQ(LineOf(p1, *Find(p1, "提示音:")), "提示音: 开");
    EXPECT_EQ(LineOf(p1, *Find(p1, "Page")), "测试 车行 Page 1 of 1");
}

TEST_F(PrintCli, FailuresLeaveNoPartialFile) {
    const fs::path pdf = dir_ / "keep.pdf";
    std::ofstream(pdf) << "old";
    std::ofstream(dir_ / "short.dat") << "too short";
    EXPECT_EQ(Print(dir_ / "short.dat", pdf), 1);
    std::ifstream in(pdf);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "old");

    const fs::path nowhere = dir_ / "missing" / "out.pdf";
    EXPECT_EQ(Print(Image(1), nowhere), 1);
    EXPECT_FALSE(fs::exists(nowhere));
    for (const auto& e : fs::directory_iterator(dir_)) {
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
    }

    EXPECT_EQ(Shell(Quote(std::string(QM530_BIN_DIR) + "/qm530") + " print " + Quote(Image(1)) +
                    " 2>/dev/null"),
              2);  // --pdf is required
    EXPECT_EQ(Print(Image(1), dir_ / "x.pdf", "--lang fr"), 2);
}

}  // namespace
