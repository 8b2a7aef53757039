#include "settings/product_catalog.h"

namespace qm530::settings {

std::vector<std::string> ModelList(const config::CIniFile& ini) {
    std::vector<std::string> models;
    for (int n = 1; n <= kMaxModels; ++n) {
        std::string name = ini.GetValue("Setup", "Type" + std::to_string(n), "");
        if (name.empty()) break;
        models.push_back(std::move(name));
    }
    return models;
}

std::vector<std::string> BandList(const config::CIniFile& ini, int modelIndex) {
    return SplitBandList(ini.GetValue("Setup", "Field" + std::to_string(modelIndex + 1), ""));
}

ModelAndBand ModelAndBandOf(const config::CIniFile& ini, int productType, int bandIndex) {
    ModelAndBand mb;
    mb.model = ini.GetValue("Setup", "Type" + std::to_string(productType + 1), "");
    mb.modelKnown = !mb.model.empty();
    const std::vector<std::string> bands = BandList(ini, productType);
    // SplitBandList always yields at least one item.
    mb.band = bandIndex >= 0 && bandIndex < static_cast<int>(bands.size())
                  ? bands[static_cast<std::size_t>(bandIndex)]
                  : bands.back();
    return mb;
}

ModelAndBand ModelAndBandOf(const config::CIniFile& ini, const RadioImage& image) {
    return ModelAndBandOf(ini, image[addr::kProductType], image[addr::kBandIndex]);
}

std::string BuildWindowTitle(const std::string& appName, const std::string& model,
                             const std::string& band, bool chineseLabels) {
    const char* label1 = chineseLabels ? "  [ 类型:" : "  [ Type:";
    const char* label2 = chineseLabels ? "  频率:" : "  Fre:";
    return appName + label1 + model + label2 + band + " ]";
}

}  // namespace qm530::settings
