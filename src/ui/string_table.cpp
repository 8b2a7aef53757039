#include "ui/string_table.h"

#include <QCoreApplication>

#include "model/messages.h"

namespace qm530::ui {

namespace {

// The English texts are the model's (a test keeps them equal); the
// translations live in the language packs.
const std::vector<StringTableEntry> kEntries = {
    {msg::kOutOfRange, QT_TRANSLATE_NOOP("StringTable", "Out of range,please input again.")},
    {msg::kCommError,
     QT_TRANSLATE_NOOP("StringTable",
                       "Communication Error,Please check all the connections and the radio power")},
    {msg::kClearAll, QT_TRANSLATE_NOOP("StringTable", "All data will be Cleared!")},
    {msg::kPortOpenFailed,
     QT_TRANSLATE_NOOP("StringTable",
                       "Could not Open the Port,Please check whether the Port are occupied or the "
                       "device are ok")},
    {msg::kProgramInterrupt,
     QT_TRANSLATE_NOOP("StringTable", "Program Interrupt, Please reset the radio and try again")},
    {msg::kStepError,
     QT_TRANSLATE_NOOP("StringTable",
                       "Error data Value, please input according the step value(6.25K/5k).")},
    {msg::kCaution, QT_TRANSLATE_NOOP("StringTable", "Caution")},
    {msg::kAppTitle, QT_TRANSLATE_NOOP("StringTable", "Program")},
};

}  // namespace

const std::vector<StringTableEntry>& StringTableEntries() {
    return kEntries;
}

QString StringTable(int id) {
    for (const StringTableEntry& entry : kEntries) {
        if (entry.id == id) return QCoreApplication::translate("StringTable", entry.source);
    }
    return {};
}

}  // namespace qm530::ui
