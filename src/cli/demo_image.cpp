#include "cli/demo_image.h"

#include <array>
#include <string>

#include "model/band.h"
#include "model/cell_commit.h"
#include "model/channel_table.h"
#include "settings/settings_session.h"

namespace qm530::cli {

namespace {

// Rx, Tx, decode, encode, power, scan add, busy lock, bandwidth.
using ChannelTexts = std::array<const char*, 8>;

constexpr ChannelTexts kChannels[] = {
    {"145.125", "145.725", "None", "88.5", "High", "Yes", "Off", "Wide"},
    {"146.52", "146.52", "D023N", "D023N", "High", "Yes", "Carrier", "Wide"},
    {"147.33", "147.93", "100.0", "100.0", "Low", "No", "QT/DQT", "Narrow"},
    {"150.00625", "150.00625", "None", "D754I", "Low", "Yes", "Off", "Narrow"},
    {"155.5", "155.5", "131.8", "131.8", "High", "No", "Carrier", "Wide"},
    {"158.1", "158.7", "D125N", "D125N", "High", "Yes", "QT/DQT", "Wide"},
};

constexpr std::array<const char*, 10> kSettings = {
    "tot=180s",        "voice=English",  "beep=off",           "side-key-1=Monitor",
    "side-key-2=Scan", "priority=Fixed", "priority-channel=1", "look-back-a=1.5",
    "dropout-delay=5", "tx-dwell=3",
};

}  // namespace

RadioImage DemonstrationImage() {
    RadioImage image = RadioImage::Default();
    image[addr::kProductType] = 0;
    image[addr::kBandIndex] = 0;
    const BandLimits band = BandLimitsOfText("130 - 160MHz");
    ChannelTable table;
    ImageToGrid(image, table, UiLanguage::English);
    int row = 1;
    for (const ChannelTexts& c : kChannels) {
        for (int column = col::kRx; column <= col::kBandwidth; ++column) {
            CommitCellText(table, row, column, c[static_cast<std::size_t>(column - 1)], band,
                           UiLanguage::English);
        }
        ++row;
    }
    GridToImage(table, image);

    settings::SettingsSession session(image, UiLanguage::English);
    // The demonstration's own settings are all accepted.
    for (const std::string setting : kSettings) {
        const auto eq = setting.find('=');
        (void)session.Set(setting.substr(0, eq), setting.substr(eq + 1));
    }
    (void)session.Store(image);
    return image;
}

}  // namespace qm530::cli
