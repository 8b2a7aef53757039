#include "settings/product_catalog.h"

#include "config/ini_file.h"

namespace qm530::settings {

namespace {

// A model byte names Type<byte+1>; Field0 stands before the first model.
constexpr int kLastKey = 256;

const std::string& ValueIn(const std::map<int, std::string>& values, int n) {
    static const std::string kNone;
    const auto it = values.find(n);
    return it == values.end() ? kNone : it->second;
}

}  // namespace

ProductCatalog ProductCatalog::Of(const config::CIniFile& ini) {
    ProductCatalog catalog;
    for (int n = 0; n <= kLastKey; ++n) {
        std::string type = ini.GetValue("Setup", "Type" + std::to_string(n), "");
        if (!type.empty()) catalog.SetModel(n, std::move(type));
        std::string field = ini.GetValue("Setup", "Field" + std::to_string(n), "");
        if (!field.empty()) catalog.SetBands(n, std::move(field));
    }
    return catalog;
}

const std::string& ProductCatalog::TypeValue(int n) const {
    return ValueIn(types_, n);
}

const std::string& ProductCatalog::FieldValue(int n) const {
    return ValueIn(fields_, n);
}

std::vector<std::string> ModelList(const ProductCatalog& catalog) {
    std::vector<std::string> models;
    for (int n = 1; n <= kMaxModels; ++n) {
        const std::string& name = catalog.TypeValue(n);
        if (name.empty()) break;
        models.push_back(name);
    }
    return models;
}

std::vector<std::string> BandList(const ProductCatalog& catalog, int modelIndex) {
    return SplitBandList(catalog.FieldValue(modelIndex + 1));
}

ModelAndBand ModelAndBandOf(const ProductCatalog& catalog, int productType, int bandIndex) {
    ModelAndBand mb;
    mb.model = catalog.TypeValue(productType + 1);
    mb.modelKnown = !mb.model.empty();
    const std::vector<std::string> bands = BandList(catalog, productType);
    // SplitBandList always yields at least one item.
    mb.band = bandIndex >= 0 && bandIndex < static_cast<int>(bands.size())
                  ? bands[static_cast<std::size_t>(bandIndex)]
                  : bands.back();
    return mb;
}

ModelAndBand ModelAndBandOf(const ProductCatalog& catalog, const RadioImage& image) {
    return ModelAndBandOf(catalog, image[addr::kProductType], image[addr::kBandIndex]);
}

std::string BuildWindowTitle(const std::string& appName, const std::string& model,
                             const std::string& band, bool chineseLabels) {
    const char* label1 = chineseLabels ? "  [ 类型:" : "  [ Type:";
    const char* label2 = chineseLabels ? "  频率:" : "  Fre:";
    return appName + label1 + model + label2 + band + " ]";
}

}  // namespace qm530::settings
