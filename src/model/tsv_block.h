#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/band.h"
#include "model/channel_table.h"
#include "model/language.h"

namespace qm530 {

// A rectangle of grid cells, rows and columns inclusive.
struct CellBlock {
    int top = 1;
    int left = 1;
    int bottom = kChannelCount;
    int right = kTableCols - 1;
};

// Whole channels first..last: columns 1-8.
constexpr CellBlock ChannelRows(int first, int last) {
    return {first, col::kRx, last, col::kBandwidth};
}

// The block's texts as tab-separated lines, each ended by "\n", as
// spreadsheets take them from the clipboard. A text holding a tab, a line
// break or a quote is quoted, its quotes doubled.
std::string FormatTsv(const ChannelTable& table, const CellBlock& block);

// Splits tab-separated text into lines of cells. Lines end with "\r\n", "\n"
// or "\r"; a last line end adds no empty line. A cell that starts with a
// quote runs to the closing quote (doubled quotes stand for one) and may hold
// tabs and line breaks.
std::vector<std::vector<std::string>> ParseTsv(std::string_view text);

// "channel 3, Rx Frequency" / "信道3 接收频率".
std::string CellName(int row, int column, UiLanguage lang);

struct CellChange {
    int row = 0;
    int column = 0;
    std::string text;
};

struct CellRefusal {
    int row = 0;
    int column = 0;
    std::string cell;    // CellName
    std::string reason;  // in the language of the paste
};

// What pasting a block would do. Nothing is applied yet: the caller applies
// `changes` (or takes `result`) as one step and shows the refusals.
struct PastePlan {
    ChannelTable result;                // the table after the paste
    std::vector<CellChange> changes;    // every cell whose text differs from before
    std::vector<CellRefusal> refusals;  // in paste order
    int outside = 0;                    // pasted cells beyond channel 16 or column 8, left out
};

// Pastes `tsv` with its first cell at (row 1-16, column 1-8), cell by cell,
// line by line, left to right, each through the commit rules of a typed
// cell: a frequency must lie in `band` and on the raster, Rx on an empty
// channel creates it with the defaults, an empty Rx deletes the channel,
// nothing is set on an empty channel. On top of what typing allows:
// - a refused cell keeps its old text (the row is not emptied) and is listed;
// - a list cell (columns 3-8) must hold one of its list's items, in either
//   language; a tone written as a plain number ("67", as spreadsheets turn
//   67.0) is read as that CTCSS tone; an empty list cell leaves the cell alone;
// - blanks around a cell are ignored, cells landing in column 0 are skipped,
//   and a first line made only of header texts is skipped.
PastePlan PlanPaste(const ChannelTable& table, std::string_view tsv, int row, int column,
                    const BandLimits& band, UiLanguage lang);

}  // namespace qm530
