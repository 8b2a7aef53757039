#include "model/list_values.h"

#include <algorithm>
#include <vector>

#include "model/channel_words.h"
#include "model/tones.h"

namespace qm530 {

namespace {

bool IsToneColumn(int column) {
    return column == col::kDecode || column == col::kEncode;
}

bool IsToneText(std::string_view text) {
    static const std::vector<std::string> en = FillToneTable(UiLanguage::English);
    static const std::vector<std::string> zh = FillToneTable(UiLanguage::Chinese);
    return std::find(en.begin(), en.end(), text) != en.end() ||
           std::find(zh.begin(), zh.end(), text) != zh.end();
}

}  // namespace

bool ListHoldsText(int column, std::string_view text) {
    if (IsToneColumn(column)) return IsToneText(text);
    const ColumnWords words = ListWordsForColumn(column);
    for (int i = 0; i < words.count; ++i) {
        if (words.items[i].Matches(text)) return true;
    }
    return false;
}

std::string ListRefusalReason(int column, std::string_view text, UiLanguage lang) {
    if (ListHoldsText(column, text)) return {};
    const std::string quoted = "'" + std::string(text) + "'";
    if (IsToneColumn(column)) {
        const Bilingual rest{
            " is not in the tone list; use None (无), a CTCSS tone from 67.0 to 254.1 or a DCS "
            "code such as D023N or D023I",
            "不在亚音列表中；请使用无 (None)、67.0至254.1的CTCSS亚音，或D023N、D023I等DCS码"};
        return quoted + rest.In(lang);
    }
    // English words first, then the Chinese ones that differ.
    const ColumnWords words = ListWordsForColumn(column);
    std::string accepted;
    for (int i = 0; i < words.count; ++i)
        accepted += std::string(i ? ", " : "") + words.items[i].en;
    for (int i = 0; i < words.count; ++i) {
        if (std::string_view(words.items[i].zh) != words.items[i].en)
            accepted += std::string(", ") + words.items[i].zh;
    }
    const Bilingual notOneOf{" is not one of: ", "不是以下之一："};
    return quoted + notOneOf.In(lang) + accepted;
}

}  // namespace qm530
