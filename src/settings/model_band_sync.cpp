#include "settings/model_band_sync.h"

#include "settings/product_catalog.h"

namespace qm530::settings {

ModelBandSync SyncModelAndBand(const ProductCatalog& catalog, const std::string& appName,
                               bool chinese, bool imageIsDefault,
                               const RememberedChoice& remembered, const RadioImage& image) {
    ModelBandSync sync;
    if (imageIsDefault) {
        sync.productType = static_cast<std::uint8_t>(remembered.type & 0xFF);
        sync.bandIndex = static_cast<std::uint8_t>(remembered.field & 0xFF);
    } else {
        sync.productType = image[addr::kProductType];
        sync.bandIndex = image[addr::kBandIndex];
        sync.remember = RememberedChoice{sync.productType, sync.bandIndex};
    }
    const ModelAndBand chosen = ModelAndBandOf(catalog, sync.productType, sync.bandIndex);
    sync.title = BuildWindowTitle(appName, chosen.model, chosen.band, chinese);
    sync.limits = BandLimitsOfText(chosen.band);
    return sync;
}

}  // namespace qm530::settings
