#pragma once

#include <string>
#include <vector>

#include "config/ini_file.h"
#include "model/band.h"
#include "model/radio_image.h"

namespace qm530::settings {

// The models and bands that Program.ini lists in section Setup:
// Type1..Type19 (the list ends at the first missing or empty one) and
// Field<n>, the '|'-separated bands of model n.
constexpr int kMaxModels = 19;

std::vector<std::string> ModelList(const config::CIniFile& ini);
// The band list of model index m (0-based); m = -1 reads Field0.
std::vector<std::string> BandList(const config::CIniFile& ini, int modelIndex);

// The model name and band text that an image's ProductType and BandIndex
// bytes stand for. The band is the last one when the index is past the list.
struct ModelAndBand {
    std::string model;
    std::string band;
    bool modelKnown = false;  // Program.ini names the model
};
ModelAndBand ModelAndBandOf(const config::CIniFile& ini, int productType, int bandIndex);
ModelAndBand ModelAndBandOf(const config::CIniFile& ini, const RadioImage& image);

// "AppName  [ Type:QM-520  Fre:130 - 160MHz ]" with the labels of the language
// (Chinese labels when `chineseLabels` is set).
std::string BuildWindowTitle(const std::string& appName, const std::string& model,
                             const std::string& band, bool chineseLabels);

}  // namespace qm530::settings
