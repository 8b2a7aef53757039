#include "model/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace qm530 {
namespace {

TEST(DecimalScale, TypedFractionsScaleExactly) {
    // The plain double product is just below the integer.
    EXPECT_EQ(static_cast<int>(CAtof("136.0125") * 100000.0), 13601249);
    EXPECT_EQ(ScaleToInt(CAtof("136.0125"), 100000.0), 13601250);
    EXPECT_EQ(ScaleToInt(CAtof("145.125"), 100000.0), 14512500);
    EXPECT_EQ(ScaleToInt(CAtof("438.00625"), 100000.0), 43800625);
    EXPECT_EQ(ScaleToInt(CAtof("145.1250004"), 100000.0), 14512500);
    EXPECT_EQ(ScaleToInt(CAtof("67.0"), 10.0), 670);
    EXPECT_EQ(ScaleToInt(CAtof("254.1"), 10.0), 2541);
    EXPECT_EQ(ScaleToInt(0.9, 20.0), 18);
    EXPECT_EQ(ScaleToInt(1.5 - 0.45, 20.0), 21);
    EXPECT_EQ(ScaleToInt(-1.25, 100000.0), -125000);
    EXPECT_EQ(DecimalScale(0.0, 100000.0), 0.0);
}

TEST(DecimalScale, EveryFiveDecimalFrequencyOnTheRasterScalesExactly) {
    // Every 6.25 kHz and 5 kHz step from 130 to 175 MHz typed as text.
    for (int units = 13000000; units <= 17500000; units += 125) {
        if (units % 500 != 0 && units % 625 != 0) continue;
        const std::string text = CFormat("%.5f", units / 100000.0);
        ASSERT_EQ(ScaleToInt(CAtof(text), 100000.0), units) << text;
    }
}

TEST(CNumbers, AtofAndAtoiFollowTheCLibraryRules) {
    EXPECT_EQ(CAtof("  145.5MHz"), 145.5);
    EXPECT_EQ(CAtof("None"), 0.0);
    EXPECT_EQ(CAtof(""), 0.0);
    EXPECT_EQ(CAtof("QT/DQT"), 0.0);
    EXPECT_EQ(CAtof("-3.5x"), -3.5);
    // Only the decimal form counts, with the longest such prefix.
    EXPECT_EQ(CAtof("0x91"), 0.0);
    EXPECT_EQ(CAtof("0x1.2p7"), 0.0);
    EXPECT_EQ(CAtof("inf"), 0.0);
    EXPECT_EQ(CAtof("-nan"), 0.0);
    EXPECT_EQ(CAtof("\t-.5e1x"), -5.0);
    EXPECT_EQ(CAtof("145e"), 145.0);
    EXPECT_EQ(CAtof("145.e+2"), 14500.0);
    EXPECT_EQ(CAtof("1.5E-1"), 0.15);
    EXPECT_EQ(CAtof("+."), 0.0);
    EXPECT_EQ(CAtof("12.5.3"), 12.5);
    EXPECT_EQ(CAtoi("0x12"), 0);
    EXPECT_EQ(CAtoi(" 12ab"), 12);
    EXPECT_EQ(CAtoi("x12"), 0);
    EXPECT_EQ(CAtoi("99999999999"), 2147483647);
}

// Switches the process to a locale with a decimal comma: an installed one,
// else one compiled into a scratch directory from the system's definitions.
bool UseCommaLocale(std::string& scratch) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) return true;
    char tmpl[] = "/tmp/qm530-locale-XXXXXX";
    const char* dir = ::mkdtemp(tmpl);
    if (dir == nullptr) return false;
    scratch = dir;
    const std::string command =
        "localedef -i de_DE -f UTF-8 " + std::string(dir) + "/de_DE.UTF-8 >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    ::setenv("LOCPATH", dir, 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(CNumbers, IgnoreACommaDecimalLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    std::string scratch;
    const bool available = UseCommaLocale(scratch);
    if (!available) {
        if (!scratch.empty()) std::filesystem::remove_all(scratch);
        GTEST_SKIP() << "no comma locale available";
    }
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    EXPECT_EQ(std::atof("145.125"), 145.0);  // what plain atof would do here
    EXPECT_EQ(CAtof("145.125"), 145.125);
    EXPECT_EQ(CFormat("%3.5f", 145.125), "145.12500");
    EXPECT_EQ(ScaleToInt(CAtof("136.0125"), 100000.0), 13601250);
    std::setlocale(LC_ALL, saved.c_str());
    if (!scratch.empty()) std::filesystem::remove_all(scratch);
}

}  // namespace
}  // namespace qm530
