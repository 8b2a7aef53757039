#include "settings/optional_features.h"

#include <gtest/gtest.h>

namespace qm530 {
namespace {

namespace a = settings::feature_addr;
constexpr auto kEn = UiLanguage::English;
constexpr auto kZh = UiLanguage::Chinese;

std::string Shown(const settings::OptionalFeaturesForm& form, settings::FeatureList list,
                  UiLanguage lang = kEn) {
    return settings::FeatureListText(list, form[list], lang);
}

TEST(OptionalFeatures, ListsInBothLanguages) {
    struct Expect {
        settings::FeatureList list;
        std::size_t count;
        const char* first;
        const char* last;
        const char* firstZh;
    };
    const Expect cases[] = {
        {settings::FeatureList::SquelchTune, 75, "6", "80", "6"},
        {settings::FeatureList::TimeOutTimer, 40, "15s", "600s", "15s"},
        {settings::FeatureList::TotPreAlert, 11, "Off", "10", "关"},
        {settings::FeatureList::SquelchLevel, 10, "0", "9", "0"},
        {settings::FeatureList::VoxGain, 17, "Off", "16", "关"},
        {settings::FeatureList::CallTone, 10, "Off", "9", "关"},
        {settings::FeatureList::VoxDelay, 6, "0.3", "3.0", "0.3"},
        {settings::FeatureList::Voice, 3, "Off", "English", "关"},
    };
    for (const Expect& e : cases) {
        const auto en = settings::FeatureListItems(e.list, kEn);
        const auto zh = settings::FeatureListItems(e.list, kZh);
        ASSERT_EQ(en.size(), e.count);
        ASSERT_EQ(zh.size(), e.count);
        EXPECT_EQ(en.front(), e.first);
        EXPECT_EQ(en.back(), e.last);
        EXPECT_EQ(zh.front(), e.firstZh);
    }
    EXPECT_EQ(settings::FeatureListItems(settings::FeatureList::Voice, kZh),
              (std::vector<std::string>{"关", "中文", "英文"}));
    EXPECT_EQ(settings::FeatureListItems(settings::FeatureList::TimeOutTimer, kEn)[3], "60s");
    EXPECT_EQ(settings::FeatureListText(settings::FeatureList::VoxGain, -1, kEn), "");
    EXPECT_EQ(settings::FeatureListText(settings::FeatureList::VoxGain, 17, kEn), "");
}

TEST(OptionalFeatures, NewDocumentShowsItsValuesAndOkKeepsTheImage) {
    RadioImage image = RadioImage::Default();
    const settings::OptionalFeaturesForm form = settings::LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, settings::FeatureList::TimeOutTimer), "60s");
    EXPECT_EQ(Shown(form, settings::FeatureList::TotPreAlert), "8");
    EXPECT_EQ(Shown(form, settings::FeatureList::SquelchLevel), "4");
    EXPECT_EQ(Shown(form, settings::FeatureList::Voice), "Chinese");
    EXPECT_EQ(Shown(form, settings::FeatureList::Voice, kZh), "中文");
    EXPECT_EQ(Shown(form, settings::FeatureList::VoxGain), "5");
    EXPECT_EQ(Shown(form, settings::FeatureList::VoxDelay), "1.0");
    EXPECT_EQ(Shown(form, settings::FeatureList::SquelchTune), "24");
    EXPECT_EQ(Shown(form, settings::FeatureList::CallTone), "Off");
    EXPECT_TRUE(form.beep);
    EXPECT_TRUE(form.batterySaver);
    settings::StoreOptionalFeatures(form, image);
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
    settings::OptionalFeaturesForm form = settings::LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, settings::FeatureList::TimeOutTimer), "60s");  // bit 7 ignored
    form[settings::FeatureList::TimeOutTimer] = 39;                      // 600s
    form[settings::FeatureList::TotPreAlert] = 0;                        // Off
    form[settings::FeatureList::VoxGain] = 16;
    form[settings::FeatureList::VoxDelay] = 5;
    form.batterySaver = false;
    settings::StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kTimeOutTimer], 0x80 | 40);
    EXPECT_EQ(image[a::kTotPreAlert], 0xA1);
    EXPECT_EQ(image[a::kVoxGain], 0xF0);
    EXPECT_EQ(image[a::kVoxDelay], 0xFD);
    EXPECT_EQ(image[a::kBatterySaver], 0xFE);
    EXPECT_EQ(image[a::kBeep], 0xFF);

    form = settings::LoadOptionalFeatures(image);
    EXPECT_FALSE(form.batterySaver);
    EXPECT_TRUE(form.beep);
    form.beep = false;
    settings::StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kBeep], 0xFE);
    EXPECT_EQ(image[a::kBatterySaver], 0xFE);
    EXPECT_FALSE(settings::LoadOptionalFeatures(image).beep);
}

TEST(OptionalFeatures, ValuesOutsideTheListsAreShownAndNormalised) {
    RadioImage image = RadioImage::Default();
    image[a::kSquelchTune] = 5;
    image[a::kVoice] = 3;
    image[a::kSquelchLevel] = 10;
    image[a::kTimeOutTimer] = 0x80 | 41;
    image[a::kTotPreAlert] = 0x50 | 12;
    image[a::kCallTone] = 10;
    settings::OptionalFeaturesForm form = settings::LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, settings::FeatureList::SquelchTune), "24");
    EXPECT_EQ(Shown(form, settings::FeatureList::Voice), "Chinese");
    EXPECT_EQ(Shown(form, settings::FeatureList::SquelchLevel), "0");
    EXPECT_EQ(form[settings::FeatureList::TimeOutTimer], -1);
    EXPECT_EQ(form[settings::FeatureList::TotPreAlert], -1);
    EXPECT_EQ(form[settings::FeatureList::CallTone], -1);
    settings::StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kSquelchTune], 24);
    EXPECT_EQ(image[a::kVoice], 1);
    EXPECT_EQ(image[a::kSquelchLevel], 0);
    EXPECT_EQ(image[a::kTimeOutTimer], 0x80);  // no selection stores 0, bit 7 kept
    EXPECT_EQ(image[a::kTotPreAlert], 0x50);
    EXPECT_EQ(image[a::kCallTone], 0xFF);

    // Stored 0 is position -1 too.
    image[a::kTimeOutTimer] = 0;
    EXPECT_EQ(settings::LoadOptionalFeatures(image)[settings::FeatureList::TimeOutTimer], -1);
}

TEST(OptionalFeatures, SquelchTuneValuesInRangePassThrough) {
    for (int v = 0; v < 256; ++v) {
        RadioImage image = RadioImage::Default();
        image[a::kSquelchTune] = static_cast<std::uint8_t>(v);
        settings::StoreOptionalFeatures(settings::LoadOptionalFeatures(image), image);
        EXPECT_EQ(image[a::kSquelchTune], v >= 6 && v <= 80 ? v : 24) << v;
    }
}

TEST(OptionalFeatures, VoxValuesOutsideTheListStayWhenLeftAlone) {
    RadioImage image = RadioImage::Default();
    image[a::kVoxGain] = 0x5F;   // 31 in bits 0-4
    image[a::kVoxDelay] = 0x2E;  // 6 in bits 0-2
    settings::OptionalFeaturesForm form = settings::LoadOptionalFeatures(image);
    EXPECT_EQ(Shown(form, settings::FeatureList::VoxGain), "");
    EXPECT_EQ(Shown(form, settings::FeatureList::VoxDelay), "");
    const RadioImage before = image;
    settings::StoreOptionalFeatures(form, image);
    EXPECT_EQ(image, before);

    form[settings::FeatureList::VoxGain] = 0;
    form[settings::FeatureList::VoxDelay] = 2;
    settings::StoreOptionalFeatures(form, image);
    EXPECT_EQ(image[a::kVoxGain], 0x40);
    EXPECT_EQ(image[a::kVoxDelay], 0x2A);
}

}  // namespace
}  // namespace qm530
