#include "settings/side_keys.h"

#include <gtest/gtest.h>

namespace qm530 {
namespace {

namespace a = settings::sidekey_addr;

TEST(SideKeys, NewImageShowsOffAndStoresZero) {
    RadioImage image = RadioImage::Default();
    const settings::SideKeysForm form = settings::LoadSideKeys(image);
    EXPECT_EQ(form, (settings::SideKeysForm{0, 0}));
    settings::StoreSideKeys(form, image);
    EXPECT_EQ(image[a::kKey1], 0x00);
    EXPECT_EQ(image[a::kKey2], 0x00);
}

TEST(SideKeys, ListAndCodes) {
    const auto en = settings::SideKeyItems(UiLanguage::English);
    const auto zh = settings::SideKeyItems(UiLanguage::Chinese);
    ASSERT_EQ(en.size(), 8u);
    ASSERT_EQ(zh.size(), 8u);
    EXPECT_EQ(en[0], "Off");
    EXPECT_EQ(zh[0], "关闭");
    EXPECT_EQ(en[7], "High/Low Power");
    EXPECT_EQ(zh[7], "高低功率选择");

    RadioImage image = RadioImage::Default();
    image[a::kKey1] = 7;
    image[a::kKey2] = 3;
    const settings::SideKeysForm form = settings::LoadSideKeys(image);
    EXPECT_EQ(en[static_cast<std::size_t>(form.key1)], "High/Low Power");
    EXPECT_EQ(en[static_cast<std::size_t>(form.key2)], "Squelch Off");
    settings::StoreSideKeys(form, image);
    EXPECT_EQ(image[a::kKey1], 7);
    EXPECT_EQ(image[a::kKey2], 3);
}

TEST(SideKeys, CodesPastTheListBecomeOff) {
    for (int code = 8; code < 256; ++code) {
        RadioImage image = RadioImage::Default();
        image[a::kKey1] = static_cast<std::uint8_t>(code);
        image[a::kKey2] = static_cast<std::uint8_t>(code);
        const settings::SideKeysForm form = settings::LoadSideKeys(image);
        ASSERT_EQ(form, (settings::SideKeysForm{0, 0})) << code;
        settings::StoreSideKeys(form, image);
        ASSERT_EQ(image[a::kKey1], 0) << code;
        ASSERT_EQ(image[a::kKey2], 0) << code;
    }
}

TEST(SideKeys, ChoicesLandAtTheirAddresses) {
    RadioImage image = RadioImage::Default();
    settings::StoreSideKeys({5, 1}, image);  // key 1 Scan, key 2 Monitor
    EXPECT_EQ(image[0x11E], 0x05);
    EXPECT_EQ(image[0x11D], 0x01);
    settings::StoreSideKeys({-1, -1}, image);  // no selection
    EXPECT_EQ(image[0x11E], 0x00);
    EXPECT_EQ(image[0x11D], 0x00);
}

}  // namespace
}  // namespace qm530
