#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/radio_image.h"

namespace qm530::settings {

namespace sidekey_addr {
constexpr int kKey1 = 0x11E;  // side key 1 lies at the higher address
constexpr int kKey2 = 0x11D;
}  // namespace sidekey_addr

// The functions a side key can have; the code is the list position.
constexpr int kSideKeyFunctionCount = 8;
const std::array<Bilingual, kSideKeyFunctionCount>& SideKeyFunctionTexts();
std::vector<std::string> SideKeyItems(UiLanguage lang);

// The selected position of the two lists of the Side Key dialog.
struct SideKeysForm {
    int key1 = 0;
    int key2 = 0;
    bool operator==(const SideKeysForm&) const = default;
};

// A stored code outside the list opens as "Off" (code 0).
SideKeysForm LoadSideKeys(const RadioImage& image);
// OK: stores both positions; a list without selection stores 0.
void StoreSideKeys(const SideKeysForm& form, RadioImage& image);

}  // namespace qm530::settings
