#include "settings/optional_features.h"

#include <gtest/gtest.h>

namespace qm530 {
namespace {

namespace a = addr::feature;
constexpr auto kEn = UiLanguage::English;
constexpr auto kZh = UiLanguage::Chinese;

std::string Shown(const OptionalFeaturesForm& form, FeatureList list, UiLanguage lang = kEn) {
    return FeatureListText(list, form[list], lang);
}

TEST(OptionalFeatures, ListsInBothLanguages) {
    struct Expect {
        FeatureList list;
        std::size_t count;
        const char* first;
        const char* last;
        const char* firstZh;
    };
    const Expect cases[] = {
        {FeatureList::SquelchTune, 75, "6", "80", "6"},
        {FeatureList::TimeOutTimer, 40, "15s", "600s", "15s"},
        {FeatureList::TotPreAlert, 11, "Off", "10", "关"},
        {FeatureList::SquelchLevel, 10, "0", "9", "0"},
        {FeatureList::VoxGain, 17, "Off", "16", "关"},
        {FeatureList::CallTone, 10, "Off", "9", "关"},
        {FeatureList::VoxDelay, 6, "0.3", "3.0", "0.3"},
        {FeatureList::Voice, 3, "Off", "English", "关"},
    };
    for (const Expect& e : cases) {
        const auto en = FeatureListItems(e.list, kEn);
        const auto zh = FeatureListItems(e.list, kZh);
        ASSERT_EQ(en.size(), e.count);
        ASSERT_EQ(zh.size(), e.count);
        EXPECT_EQ(en.front(), e.first);
        EXPECT_EQ(en.back(), e.last);
        EXPECT_EQ(zh.front(), e.firstZh);
    }
    EXPECT_EQ(FeatureListItems(FeatureList::Voice, kZh),
              (std::vector<std::string>{"关", "中文", "英文"}));
    EXPECT_EQ(FeatureListItems(FeatureList::TimeOutTimer, kEn)[3], "60s");
    EXPECT_EQ(FeatureListText(FeatureList::VoxGain, -1, kEn), "");
    EXPECT_EQ(FeatureListText(FeatureList::VoxGain, 17, kEn), "");
}

TEST(OptionalFeatures, NewDocumentShowsItsValuesAndOkKeepsTheImage) {
    RadioImage image = RadioImage::Default();
    const OptionalFeaturesForm form = LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, FeatureList::TimeOutTimer), "60s");
    EXPECT_EQ(Shown(form, FeatureList::TotPreAlert), "8");
    EXPECT_EQ(Shown(form, FeatureList::SquelchLevel), "4");
    EXPECT_EQ(Shown(form, FeatureList::Voice), "Chinese");
    EXPECT_EQ(Shown(form, FeatureList::Voice, kZh), "中文");
    EXPECT_EQ(Shown(form, FeatureList::VoxGain), "5");
    EXPECT_EQ(Shown(form, FeatureList::VoxDelay), "1.0");
    EXPECT_EQ(Shown(form, FeatureList::SquelchTune), "24");
    EXPECT_EQ(Shown(form, FeatureList::CallTone), "Off");
    EXPECT_TRUE(form.beep);
    EXPECT_TRUE(form.batterySaver);
    StoreOptionalFeatures(form, image);
    EXPECT_EQ(image, RadioImage::Default());
}

TEST(OptionalFeatures, StoringKeepsTheBitsOutsideEachField) {
    RadioImage image = RadioImage::Default();
    image[a::kTimeOutTimer] = 0x84;
    image[a::kTotPreAlert] = 0xA9;
    image[a::kVoxGain] = 0xE5;
    image[a::kVoxDelay] = 0xFA;
    image[a::kBatterySaver] = 0xFF;
    image[a::kBeep] = 0xFF;
    OptionalFeaturesForm form = LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, FeatureList::TimeOutTimer), "60s");  // bit 7 ignored
    form[FeatureList::TimeOutTimer] = 39;                      // 600s
    form[FeatureList::TotPreAlert] = 0;                        // Off
    form[FeatureList::VoxGain] = 16;
    form[FeatureList::VoxDelay] = 5;
    form.batterySaver = false;
    StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kTimeOutTimer], 0x80 | 40);
    EXPECT_EQ(image[a::kTotPreAlert], 0xA1);
    EXPECT_EQ(image[a::kVoxGain], 0xF0);
    EXPECT_EQ(image[a::kVoxDelay], 0xFD);
    EXPECT_EQ(image[a::kBatterySaver], 0xFE);
    EXPECT_EQ(image[a::kBeep], 0xFF);

    form = LoadOptionalFeatures(image);
    EXPECT_FALSE(form.batterySaver);
    EXPECT_TRUE(form.beep);
    form.beep = false;
    StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kBeep], 0xFE);
    EXPECT_EQ(image[a::kBatterySaver], 0xFE);
    EXPECT_FALSE(LoadOptionalFeatures(image).beep);
}

TEST(OptionalFeatures, ValuesOutsideTheListsAreShownAndNormalised) {
    RadioImage image = RadioImage::Default();
    image[a::kSquelchTune] = 5;
    image[a::kVoice] = 3;
    image[a::kSquelchLevel] = 10;
    image[a::kTimeOutTimer] = 0x80 | 41;
    image[a::kTotPreAlert] = 0x50 | 12;
    image[a::kCallTone] = 10;
    OptionalFeaturesForm form = LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, FeatureList::SquelchTune), "24");
    EXPECT_EQ(Shown(form, FeatureList::Voice), "Chinese");
    EXPECT_EQ(Shown(form, FeatureList::SquelchLevel), "0");
    EXPECT_EQ(form[FeatureList::TimeOutTimer], -1);
    EXPECT_EQ(form[FeatureList::TotPreAlert], -1);
    EXPECT_EQ(form[FeatureList::CallTone], -1);
    StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kSquelchTune], 24);
    EXPECT_EQ(image[a::kVoice], 1);
    EXPECT_EQ(image[a::kSquelchLevel], 0);
    EXPECT_EQ(image[a::kTimeOutTimer], 0x80);  // no selection stores 0, bit 7 kept
    EXPECT_EQ(image[a::kTotPreAlert], 0x50);
    EXPECT_EQ(image[a::kCallTone], 0xFF);

    // Stored 0 is position -1 too.
    image[a::kTimeOutTimer] = 0;
    EXPECT_EQ(LoadOptionalFeatures(image)[FeatureList::TimeOutTimer], -1);
}

TEST(OptionalFeatures, SquelchTuneValuesInRangePassThrough) {
    for (int v = 0; v < 256; ++v) {
        RadioImage image = RadioImage::Default();
        image[a::kSquelchTune] = static_cast<std::uint8_t>(v);
        StoreOptionalFeatures(LoadOptionalFeatures(image), image);
        EXPECT_EQ(image[a::kSquelchTune], v >= 6 && v <= 80 ? v : 24) << v;
    }
}

TEST(OptionalFeatures, VoxValuesOutsideTheListStayWhenLeftAlone) {
    RadioImage image = RadioImage::Default();
    image[a::kVoxGain] = 0x5F;   // 31 in bits 0-4
    image[a::kVoxDelay] = 0x2E;  // 6 in bits 0-2
    OptionalFeaturesForm form = LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, FeatureList::VoxGain), "");
    EXPECT_EQ(Shown(form, FeatureList::VoxDelay), "");
    const RadioImage before = image;
    StoreOptionalFeatures(form, image);
    EXPECT_EQ(image, before);

    form[FeatureList::VoxGain] = 0;
    form[FeatureList::VoxDelay] = 2;
    StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kVoxGain], 0x40);
    EXPECT_EQ(image[a::kVoxDelay], 0x2A);
}

}  // namespace
}  // namespace qm530
