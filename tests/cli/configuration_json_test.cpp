// The JSON configuration in the process: whatever the tool exports it takes
// back to the same bytes, into any image.
#include "cli/configuration_json.h"

#include <gtest/gtest.h>

#include <random>

#include "cli/demo_image.h"
#include "config/ini_file.h"

namespace qm530::test {
namespace {

RadioImage RandomImage(std::mt19937& random) {
    RadioImage image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image.bytes) b = static_cast<std::uint8_t>(byte(random));
    return image;
}

void ExpectRoundTrip(const RadioImage& source, const RadioImage& target, UiLanguage lang,
                     const config::CIniFile& ini) {
    const std::string json = cli::ConfigurationJson(source, ini, lang);
    RadioImage image = target;
    const Status applied = cli::ApplyConfigurationJson(json, ini, std::nullopt, lang, image);
    ASSERT_TRUE(applied) << applied.detail() << "\n" << json;
    EXPECT_EQ(image, source) << json;
}

TEST(ConfigurationJson, AnExportComesBackByteForByteIntoAnyImage) {
    config::CIniFile ini;  // no Program.ini: model and band go as numbers
    std::mt19937 random(530);
    const RadioImage demo = cli::DemonstrationImage();
    for (const UiLanguage lang : {UiLanguage::English, UiLanguage::Chinese}) {
        ExpectRoundTrip(demo, RadioImage::Default(), lang, ini);
        ExpectRoundTrip(demo, RandomImage(random), lang, ini);
        ExpectRoundTrip(RadioImage::Default(), demo, lang, ini);
        for (int i = 0; i < 40; ++i)
            ExpectRoundTrip(RandomImage(random), RandomImage(random), lang, ini);
    }
}

TEST(ConfigurationJson, ReadableMembersChangeTheMemoryTheyComeWith) {
    config::CIniFile ini;
    const RadioImage demo = cli::DemonstrationImage();
    std::string json = cli::ConfigurationJson(demo, ini, UiLanguage::English);
    // A person edits the first channel's power and the beep of an export.
    const auto power = json.find("\"power\": \"");
    ASSERT_NE(power, std::string::npos);
    const auto value = power + 10;
    const std::string other = json.compare(value, 4, "High") == 0 ? "Low" : "High";
    json.replace(value, json.find('"', value) - value, other);
    const auto beep = json.find("\"beep\": \"off\"");
    ASSERT_NE(beep, std::string::npos);
    json.replace(beep, 13, "\"beep\": \"on\"");
    RadioImage image = RadioImage::Default();
    ASSERT_TRUE(cli::ApplyConfigurationJson(json, ini, std::nullopt, UiLanguage::English, image));
    EXPECT_NE(image, demo);
    EXPECT_EQ(cli::ConfigurationJson(image, ini, UiLanguage::English).find("\"beep\": \"on\""),
              json.find("\"beep\": \"on\""));
    int differing = 0;
    for (std::size_t i = 0; i < kImageSize; ++i) differing += image[i] != demo[i];
    EXPECT_GE(differing, 2);
    EXPECT_LE(differing, 3);
}

TEST(ConfigurationJson, AMemoryThatIsNotSixtyFourHexRowsIsRefused) {
    config::CIniFile ini;
    const std::string json =
        cli::ConfigurationJson(RadioImage::Default(), ini, UiLanguage::English);
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"\"memory\": [\n    \"", "\"memory\": [\n    \"G"},
          {"\"memory\": [\n", "\"memory\": [\n    \"00\",\n"}}) {
        std::string bad = json;
        bad.replace(bad.find(from), from.size(), to);
        RadioImage image = RadioImage::Default();
        const Status s =
            cli::ApplyConfigurationJson(bad, ini, std::nullopt, UiLanguage::English, image);
        EXPECT_FALSE(s);
        EXPECT_NE(s.detail().find("memory must be"), std::string::npos) << s.detail();
        EXPECT_EQ(image, RadioImage::Default());
    }
}

}  // namespace
}  // namespace qm530::test
