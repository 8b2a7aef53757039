#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/band.h"
#include "model/radio_image.h"

namespace qm530::config {
class CIniFile;
}  // namespace qm530::config

namespace qm530::settings {

// The models and bands that Program.ini lists in section Setup: Type<n>,
// the name of model n-1, and Field<n>, the '|'-separated bands of model
// n-1. A value read once, so that the settings code never needs the store.
class ProductCatalog {
  public:
    ProductCatalog() = default;
    // Type<n> and Field<n> for n = 0 .. 256 (every model byte and Field0).
    static ProductCatalog Of(const config::CIniFile& ini);
    void SetModel(int n, std::string name) { types_[n] = std::move(name); }
    void SetBands(int n, std::string bands) { fields_[n] = std::move(bands); }

    // Type<n>, empty when Program.ini has none.
    const std::string& TypeValue(int n) const;
    // Field<n>, empty when Program.ini has none.
    const std::string& FieldValue(int n) const;

  private:
    std::map<int, std::string> types_;
    std::map<int, std::string> fields_;
};

// The model names Type1..Type19; the list ends at the first missing or
// empty one.
constexpr int kMaxModels = 19;
std::vector<std::string> ModelList(const ProductCatalog& catalog);
// The band list of model index m (0-based); m = -1 reads Field0.
std::vector<std::string> BandList(const ProductCatalog& catalog, int modelIndex);

// The model name and band text that an image's ProductType and BandIndex
// bytes stand for. The band is the last one when the index is past the list.
struct ModelAndBand {
    std::string model;
    std::string band;
    bool modelKnown = false;  // Program.ini names the model
};
ModelAndBand ModelAndBandOf(const ProductCatalog& catalog, int productType, int bandIndex);
ModelAndBand ModelAndBandOf(const ProductCatalog& catalog, const RadioImage& image);

// "AppName  [ Type:QM-520  Fre:130 - 160MHz ]" with the labels of the language
// (Chinese labels when `chineseLabels` is set).
std::string BuildWindowTitle(const std::string& appName, const std::string& model,
                             const std::string& band, bool chineseLabels);

}  // namespace qm530::settings
