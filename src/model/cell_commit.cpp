#include "model/cell_commit.h"

#include "model/messages.h"
#include "model/tones.h"
#include "model/typed_number.h"

namespace qm530 {

namespace {

struct Checked {
    std::string text;  // the checked units as the grid shows them
    int messageId = 0;
};

Checked CheckFrequency(const std::string& text, const BandLimits& band) {
    // Anything after the number is refused, so that what is stored is what
    // was typed; a comma between digits is the decimal point.
    const Result<std::string> typed = TypedFrequency(text);
    const int f = FrequencyUnitsOfText(typed ? *typed : text);
    Checked c;
    // Built from the units that are checked, so that the text stored is the
    // value validated: 145.000009 is 14500000 units and shows 145.00000,
    // where "%3.5f" of the typed number would round it up off the raster.
    c.text = FormatFrequency(f);
    // A frequency the record cannot hold is out of range whatever the band says.
    const BandLimits limits = StorableLimits(band);
    if (f < limits.low || f > limits.high) {
        c.messageId = msg::kOutOfRange;
    } else if (!typed || !OnChannelRaster(f)) {
        c.messageId = msg::kStepError;
    }
    return c;
}

}  // namespace

CommitOutcome CommitCellText(ChannelTable& table, int row, int column, const std::string& text,
                             const BandLimits& band, UiLanguage lang) {
    const std::string oldRx = table.Cell(row, col::kRx);
    const std::string oldTx = table.Cell(row, col::kTx);
    CommitOutcome out;

    if (column == col::kRx) {
        if (text.empty()) {
            table.ClearRow(row);
            return out;
        }
        const Checked c = CheckFrequency(text, band);
        if (c.messageId != 0) {
            table.ClearRow(row);
            out.messageId = c.messageId;
            return out;
        }
        table.SetCell(row, col::kRx, c.text);
        if (oldRx.empty()) {
            table.SetCell(row, col::kDecode, NoToneText().In(lang));
            table.SetCell(row, col::kEncode, NoToneText().In(lang));
            table.SetCell(row, col::kPower, words::kHigh.In(lang));
            table.SetCell(row, col::kScanAdd, words::kNo.In(lang));
            table.SetCell(row, col::kBusyLock, words::kOff.In(lang));
            table.SetCell(row, col::kBandwidth, words::kWide.In(lang));
        }
        return out;
    }

    if (column == col::kTx) {
        if (text.empty()) {
            table.SetCell(row, col::kTx, {});
            return out;
        }
        const Checked c = CheckFrequency(text, band);
        if (c.messageId != 0) {
            table.SetCell(row, col::kTx, {});
            out.messageId = c.messageId;
            return out;
        }
        // A Tx frequency is not kept on a row without an Rx frequency.
        table.SetCell(row, col::kTx, oldRx.empty() ? std::string() : c.text);
        return out;
    }

    // Nothing can be set on an empty row.
    table.SetCell(row, column, oldRx.empty() && oldTx.empty() ? std::string() : text);
    return out;
}

}  // namespace qm530
