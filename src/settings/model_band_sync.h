#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/band.h"
#include "model/radio_image.h"
#include "settings/product_catalog.h"

namespace qm530::settings {

// The model and band choice the user made last (registry values Type and
// Field).
struct RememberedChoice {
    std::uint32_t type = 0;
    std::uint32_t field = 0;
};

// What bringing the model and band of a freshly filled grid in step
// decides; the caller applies it.
struct ModelBandSync {
    std::uint8_t productType = 0;              // the image's ProductType byte from now on
    std::uint8_t bandIndex = 0;                // the image's BandIndex byte from now on
    std::optional<RememberedChoice> remember;  // a choice to remember from now on
    std::string title;                         // the main window's caption
    BandLimits limits;                         // the band the cells are checked against
};

// A new document's image takes the remembered choice; any other image
// becomes the remembered choice. The caption shows the model and band in the
// interface language (`chinese`), and the band's limits come with it. A band
// index past the model's band list stands for its last band (the byte stays
// as it is).
ModelBandSync SyncModelAndBand(const ProductCatalog& catalog, const std::string& appName,
                               bool chinese, bool imageIsDefault,
                               const RememberedChoice& remembered, const RadioImage& image);

}  // namespace qm530::settings
