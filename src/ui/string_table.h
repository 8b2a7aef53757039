#pragma once

#include <QString>
#include <vector>

namespace qm530::ui {

// The string table of the language pack: the messages 61448-61458 and
// 57344 in the language of the loaded pack (context "StringTable").
// Empty for an unknown id.
QString StringTable(int id);

// The ids the table holds and their untranslated (English) texts.
struct StringTableEntry {
    int id;
    const char* source;
};
const std::vector<StringTableEntry>& StringTableEntries();

}  // namespace qm530::ui
