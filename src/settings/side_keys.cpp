#include "settings/side_keys.h"

#include <cstdint>

namespace qm530::settings {

namespace {

int CodeOrOff(int code) {
    return code >= 0 && code < kSideKeyFunctionCount ? code : 0;
}

}  // namespace

const std::array<Bilingual, kSideKeyFunctionCount>& SideKeyFunctionTexts() {
    static const std::array<Bilingual, kSideKeyFunctionCount> texts = {{
        {"Off", "关闭"},
        {"Monitor", "监听"},
        {"Monitor Momentary", "监听瞬时"},
        {"Squelch Off", "取消静噪"},
        {"Squelch Off Momentary", "瞬时取消静噪"},
        {"Scan", "扫描"},
        {"Priority Scan", "优先扫描"},
        {"High/Low Power", "高低功率选择"},
    }};
    return texts;
}

std::vector<std::string> SideKeyItems(UiLanguage lang) {
    std::vector<std::string> items;
    for (const Bilingual& b : SideKeyFunctionTexts()) items.push_back(b.In(lang));
    return items;
}

SideKeysForm LoadSideKeys(const RadioImage& image) {
    return {CodeOrOff(image[sidekey_addr::kKey1]), CodeOrOff(image[sidekey_addr::kKey2])};
}

void StoreSideKeys(const SideKeysForm& form, RadioImage& image) {
    image[sidekey_addr::kKey1] = static_cast<std::uint8_t>(CodeOrOff(form.key1));
    image[sidekey_addr::kKey2] = static_cast<std::uint8_t>(CodeOrOff(form.key2));
}

}  // namespace qm530::settings
