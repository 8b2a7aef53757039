#include "model/tsv_block.h"

#include <gtest/gtest.h>

#include "model/cell_commit.h"

namespace qm530 {
namespace {

constexpr auto kEn = UiLanguage::English;
const BandLimits kVhf = BandLimitsOfText("130 - 160MHz");

using Lines = std::vector<std::vector<std::string>>;

TEST(Tsv, ParsesSpreadsheetLineEndsQuotesAndEmptyCells) {
    EXPECT_EQ(ParseTsv(""), Lines{});
    EXPECT_EQ(ParseTsv("a\tb\r\nc\t\n"), (Lines{{"a", "b"}, {"c", ""}}));
    EXPECT_EQ(ParseTsv("a\rb"), (Lines{{"a"}, {"b"}}));
    EXPECT_EQ(ParseTsv("\t\n\n"), (Lines{{"", ""}, {""}}));
    EXPECT_EQ(ParseTsv("\"x\ty\"\t\"say \"\"hi\"\"\"\n\"two\nlines\""),
              (Lines{{"x\ty", "say \"hi\""}, {"two\nlines"}}));
}

TEST(Tsv, FormatsABlockOfGridTextsThatParsesBack) {
    ChannelTable t;
    t.WriteLabels(kEn);
    CommitCellText(t, 2, col::kRx, "145.125", kVhf, kEn);
    CommitCellText(t, 3, col::kRx, "146", kVhf, kEn);
    CommitCellText(t, 3, col::kTx, "146.6", kVhf, kEn);
    EXPECT_EQ(FormatTsv(t, ChannelRows(2, 3)),
              "145.12500\t\tNone\tNone\tHigh\tNo\tOff\tWide\n"
              "146.00000\t146.60000\tNone\tNone\tHigh\tNo\tOff\tWide\n");
    EXPECT_EQ(FormatTsv(t, {0, 0, 1, 1}), "CH\tRx Frequency\n 1\t\n");
    t.SetCell(4, 5, "a\tb");
    EXPECT_EQ(FormatTsv(t, {4, 5, 4, 5}), "\"a\tb\"\n");
    EXPECT_EQ(ParseTsv(FormatTsv(t, {4, 5, 4, 5})), (Lines{{"a\tb"}}));
}

TEST(Paste, CopiedRowsLandElsewhereUnchanged) {
    ChannelTable t;
    t.WriteLabels(kEn);
    CommitCellText(t, 1, col::kRx, "145.125", kVhf, kEn);
    CommitCellText(t, 1, col::kDecode, "D023N", kVhf, kEn);
    CommitCellText(t, 1, col::kBandwidth, "Narrow", kVhf, kEn);
    CommitCellText(t, 2, col::kRx, "150", kVhf, kEn);
    CommitCellText(t, 2, col::kTx, "151", kVhf, kEn);
    const PastePlan plan = PlanPaste(t, FormatTsv(t, ChannelRows(1, 2)), 10, 1, kVhf, kEn);
    EXPECT_TRUE(plan.refusals.empty());
    for (int c = 1; c <= 8; ++c) {
        EXPECT_EQ(plan.result.Cell(10, c), t.Cell(1, c)) << c;
        EXPECT_EQ(plan.result.Cell(11, c), t.Cell(2, c)) << c;
    }
    EXPECT_EQ(plan.changes.size(), 15u);  // the Tx cell of row 10 stays empty
    EXPECT_EQ(plan.result.Cell(1, 1), "145.12500");

    // Pasting empty rows deletes the channels; the result is nothing new.
    const PastePlan back =
        PlanPaste(plan.result, FormatTsv(t, ChannelRows(5, 6)), 10, 1, kVhf, kEn);
    EXPECT_EQ(back.result, t);
}

TEST(Paste, ASpreadsheetBlockWithOneBadCell) {
    ChannelTable t;
    t.WriteLabels(kEn);
    CommitCellText(t, 6, col::kRx, "140", kVhf, kEn);
    CommitCellText(t, 6, col::kPower, "Low", kVhf, kEn);
    // As a spreadsheet gives it: header line, CRLF, numbers reformatted, blanks.
    const std::string block =
        "Rx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tPower\r\n"
        "145.125\t145.725\t67\t 88.5 \tLow\r\n"
        "146\t\tD023N\tNone\tMedium\r\n";
    const PastePlan plan = PlanPaste(t, block, 5, 1, kVhf, kEn);
    ASSERT_EQ(plan.refusals.size(), 1u);
    EXPECT_EQ(plan.refusals[0].row, 6);
    EXPECT_EQ(plan.refusals[0].column, col::kPower);
    EXPECT_EQ(plan.refusals[0].cell, "channel 6, Power");
    EXPECT_EQ(plan.refusals[0].reason, "'Medium' is not one of: High, Low, 高, 低");
    const ChannelTable& r = plan.result;
    EXPECT_EQ(r.Cell(5, 1), "145.12500");
    EXPECT_EQ(r.Cell(5, 2), "145.72500");
    EXPECT_EQ(r.Cell(5, 3), "67.0");
    EXPECT_EQ(r.Cell(5, 4), "88.5");
    EXPECT_EQ(r.Cell(5, 5), "Low");
    EXPECT_EQ(r.Cell(5, 6), "No");  // defaults of a new channel
    EXPECT_EQ(r.Cell(6, 1), "146.00000");
    EXPECT_EQ(r.Cell(6, 3), "D023N");
    EXPECT_EQ(r.Cell(6, 5), "Low");  // the refused cell keeps its text
    EXPECT_EQ(plan.outside, 0);
    for (const CellChange& c : plan.changes) EXPECT_EQ(r.Cell(c.row, c.column), c.text);

    const PastePlan zh = PlanPaste(t, block, 5, 1, kVhf, UiLanguage::Chinese);
    ASSERT_EQ(zh.refusals.size(), 1u);
    EXPECT_EQ(zh.refusals[0].cell, "信道6 功率");
    EXPECT_EQ(zh.refusals[0].reason, "'Medium'不是以下之一：High, Low, 高, 低");
}

TEST(Paste, RefusedFrequenciesKeepTheChannelAndSayWhy) {
    ChannelTable t;
    t.WriteLabels(kEn);
    CommitCellText(t, 1, col::kRx, "140", kVhf, kEn);
    const PastePlan plan =
        PlanPaste(t, "170\t140.0001\n145,125\t\t\t\tHigh\n147\t\t66.6\n", 1, 1, kVhf, kEn);
    ASSERT_EQ(plan.refusals.size(), 4u);
    EXPECT_EQ(plan.refusals[0].reason, "Out of range,please input again.");
    EXPECT_EQ(plan.refusals[1].cell, "channel 1, Tx Frequency");
    EXPECT_NE(plan.refusals[1].reason.find("step value"), std::string::npos);
    EXPECT_EQ(plan.refusals[2].reason, "'145,125' is not a frequency in MHz such as 145.125");
    EXPECT_NE(plan.refusals[3].reason.find("'66.6' is not in the tone list"), std::string::npos);
    EXPECT_EQ(plan.result.Cell(1, 1), "140.00000");
    EXPECT_EQ(plan.result.Cell(1, 2), "");
    // The refused Rx left row 2 empty, so its power cell is dropped as typing drops it.
    EXPECT_FALSE(plan.result.IsProgrammed(2));
    EXPECT_EQ(plan.result.Cell(3, 3), "None");
}

TEST(Paste, CellsBeyondTheGridAreLeftOutAndColumnZeroIsSkipped) {
    ChannelTable t;
    t.WriteLabels(kEn);
    // A whole row with its channel number, pasted at column 0 of the last channel,
    // then one line too many.
    const PastePlan plan = PlanPaste(
        t, "16\t150\t\tNone\tNone\tHigh\tYes\tCarrier\tNarrow\tx\n1\t151\n", 16, 0, kVhf, kEn);
    EXPECT_TRUE(plan.refusals.empty());
    EXPECT_EQ(plan.outside, 2);  // "x" after column 8, "151" below channel 16
    EXPECT_EQ(plan.result.Cell(16, 0), "16");
    EXPECT_EQ(plan.result.Cell(16, 1), "150.00000");
    EXPECT_EQ(plan.result.Cell(16, 7), "Carrier");
    EXPECT_EQ(plan.result.Cell(16, 8), "Narrow");
}

}  // namespace
}  // namespace qm530
