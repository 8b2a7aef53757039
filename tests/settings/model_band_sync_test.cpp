#include "settings/model_band_sync.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "config/ini_file.h"

namespace qm530 {
namespace {

class ModelBandSyncTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() /
                ("qm530_sync_" + std::to_string(::getpid()) + ".ini");
        std::ofstream(path_) << "[Setup]\nType1=QM-520\nField1=130 - 160MHz|400 - 470MHz\n"
                                "Type2=QM-530\nField2=136 - 174MHz\n";
        ASSERT_TRUE(ini_.Load(path_.string(), false, true, false));
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::filesystem::path path_;
    config::CIniFile ini_;
};

TEST_F(ModelBandSyncTest, ANewDocumentTakesTheRememberedChoice) {
    RadioImage image = RadioImage::Default();
    const settings::ModelBandSync sync = settings::SyncModelAndBand(
        settings::ProductCatalog::Of(ini_), "App", false, true, {0, 1}, image);
    EXPECT_EQ(sync.productType, 0);
    EXPECT_EQ(sync.bandIndex, 1);
    EXPECT_FALSE(sync.remember.has_value());  // nothing new to remember
    EXPECT_EQ(sync.limits.low, 40000000);
    EXPECT_EQ(sync.limits.high, 47000000);
    EXPECT_NE(sync.title.find("400 - 470MHz"), std::string::npos);
    EXPECT_NE(sync.title.find("QM-520"), std::string::npos);
}

TEST_F(ModelBandSyncTest, AnyOtherImageBecomesTheRememberedChoice) {
    RadioImage image = RadioImage::Default();
    image[addr::kProductType] = 1;
    image[addr::kBandIndex] = 7;  // past the list: the last band, byte kept
    const settings::ModelBandSync sync = settings::SyncModelAndBand(
        settings::ProductCatalog::Of(ini_), "App", true, false, {0, 0}, image);
    EXPECT_EQ(sync.productType, 1);
    EXPECT_EQ(sync.bandIndex, 7);
    ASSERT_TRUE(sync.remember.has_value());
    EXPECT_EQ(sync.remember->type, 1u);
    EXPECT_EQ(sync.remember->field, 7u);
    EXPECT_EQ(sync.limits.low, 13600000);
    EXPECT_EQ(sync.limits.high, 17400000);
    EXPECT_NE(sync.title.find("QM-530"), std::string::npos);
}

}  // namespace
}  // namespace qm530
