#include "model/cell_commit.h"

#include <gtest/gtest.h>

#include "model/messages.h"

namespace qm530 {
namespace {

const BandLimits kVhf = BandLimitsOfText("130 - 160MHz");

class CellCommit : public ::testing::Test {
  protected:
    CommitOutcome Commit(int row, int column, const std::string& text,
                         UiLanguage lang = UiLanguage::English) {
        return CommitCellText(table, row, column, text, kVhf, lang);
    }
    ChannelTable table;
};

TEST_F(CellCommit, RxOnAnEmptyRowCreatesAChannelWithDefaults) {
    EXPECT_FALSE(Commit(1, 1, "145.125").rejected());
    const char* expected[] = {"", "145.12500", "", "None", "None", "High", "No", "Off", "Wide"};
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(table.Cell(1, c), expected[c]) << c;

    EXPECT_FALSE(Commit(2, 1, "145.125", UiLanguage::Chinese).rejected());
    EXPECT_EQ(table.Cell(2, 3), "无");
    EXPECT_EQ(table.Cell(2, 5), "高");
    EXPECT_EQ(table.Cell(2, 6), "无");
    EXPECT_EQ(table.Cell(2, 7), "关");
    EXPECT_EQ(table.Cell(2, 8), "宽");
}

TEST_F(CellCommit, RxChangeOnAnExistingChannelKeepsItsSettings) {
    Commit(1, 1, "145.125");
    Commit(1, 5, "Low");
    EXPECT_FALSE(Commit(1, 1, "145.1250004").rejected());
    EXPECT_EQ(table.Cell(1, 1), "145.12500");
    EXPECT_EQ(table.Cell(1, 5), "Low");
}

TEST_F(CellCommit, RxRejectionsEmptyTheWholeRow) {
    Commit(1, 1, "145.125");
    EXPECT_EQ(Commit(1, 1, "145.1234").messageId, msg::kStepError);
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(table.Cell(1, c), "");
    Commit(1, 1, "145.125");
    EXPECT_EQ(Commit(1, 1, "170").messageId, msg::kOutOfRange);
    EXPECT_EQ(table.Cell(1, 5), "");
    EXPECT_EQ(Commit(1, 1, "abc").messageId, msg::kOutOfRange);
    EXPECT_EQ(Commit(1, 1, "-145").messageId, msg::kOutOfRange);
}

TEST_F(CellCommit, BandIsInclusiveAndRasterAcceptsBothSteps) {
    EXPECT_FALSE(Commit(1, 1, "130").rejected());
    EXPECT_FALSE(Commit(1, 1, "160").rejected());
    EXPECT_EQ(Commit(1, 1, "160.005").messageId, msg::kOutOfRange);
    EXPECT_FALSE(Commit(1, 1, "145.00625").rejected());
    EXPECT_EQ(Commit(1, 1, "145.0025").messageId, msg::kStepError);
    EXPECT_FALSE(Commit(1, 1, "136.0125").rejected());
    EXPECT_EQ(table.Cell(1, 1), "136.01250");
}

TEST_F(CellCommit, FrequenciesARecordCannotHoldAreOutOfRangeWhateverTheBand) {
    const BandLimits wide = BandLimitsOfText("0 - 5000MHz");
    // Below 10 MHz the record's top byte is 0x00 and reads back as empty;
    // from 1000 MHz on the digits overflow.
    EXPECT_EQ(CommitCellText(table, 1, 1, "5", wide, UiLanguage::English).messageId,
              msg::kOutOfRange);
    EXPECT_EQ(CommitCellText(table, 1, 1, "abc", wide, UiLanguage::English).messageId,
              msg::kOutOfRange);
    EXPECT_EQ(CommitCellText(table, 1, 1, "2000", wide, UiLanguage::English).messageId,
              msg::kOutOfRange);
    EXPECT_FALSE(CommitCellText(table, 1, 1, "10", wide, UiLanguage::English).rejected());
    EXPECT_FALSE(CommitCellText(table, 1, 1, "999.995", wide, UiLanguage::English).rejected());
    EXPECT_EQ(StorableLimits(kVhf), kVhf);
}

TEST_F(CellCommit, TheStoredTextIsTheCheckedValue) {
    // The units are truncated before the checks; the text must not round
    // them again ("%3.5f" of 145.000009 is 145.00001, off both rasters).
    struct Case {
        int column;
        const char* typed;
        const char* shown;
    };
    Commit(1, 1, "145");
    for (const Case& c :
         {Case{1, "145.000009", "145.00000"}, Case{1, "160.000009", "160.00000"},
          Case{1, "145.006259", "145.00625"}, Case{2, "150.000009", "150.00000"},
          Case{2, "145.006259", "145.00625"}, Case{1, "145.1250004", "145.12500"}}) {
        EXPECT_FALSE(Commit(1, c.column, c.typed).rejected()) << c.typed;
        EXPECT_EQ(table.Cell(1, c.column), c.shown) << c.typed;
        const int units = FrequencyUnitsOfText(table.Cell(1, c.column));
        EXPECT_TRUE(kVhf.Contains(units) && OnChannelRaster(units)) << c.typed;
    }
}

TEST_F(CellCommit, TypedNumbersAreDecimalOnly) {
    // Hexadecimal, inf and nan are not numbers: they parse as 0 (out of range).
    for (const char* typed : {"0x91", "0X91", "0x1.2p7", "inf", "nan", "infinity"})
        EXPECT_EQ(Commit(1, 1, typed).messageId, msg::kOutOfRange) << typed;
    EXPECT_FALSE(Commit(1, 1, " +1.45e2").rejected());
    EXPECT_EQ(table.Cell(1, 1), "145.00000");
}

TEST_F(CellCommit, ClearingRxDeletesTheChannel) {
    Commit(1, 1, "145.125");
    Commit(1, 2, "146");
    EXPECT_FALSE(Commit(1, 1, "").rejected());
    for (int c = 1; c <= 8; ++c) EXPECT_EQ(table.Cell(1, c), "");
}

TEST_F(CellCommit, TxRules) {
    // Without Rx the Tx value is validated but not kept.
    EXPECT_FALSE(Commit(1, 2, "146").rejected());
    EXPECT_EQ(table.Cell(1, 2), "");
    EXPECT_EQ(Commit(1, 2, "170").messageId, msg::kOutOfRange);

    Commit(1, 1, "145.125");
    EXPECT_FALSE(Commit(1, 2, "146").rejected());
    EXPECT_EQ(table.Cell(1, 2), "146.00000");
    // A bad Tx empties only the Tx cell.
    EXPECT_EQ(Commit(1, 2, "146.0001").messageId, msg::kStepError);
    EXPECT_EQ(table.Cell(1, 2), "");
    EXPECT_EQ(table.Cell(1, 1), "145.12500");
    EXPECT_EQ(table.Cell(1, 5), "High");
    Commit(1, 2, "146");
    EXPECT_FALSE(Commit(1, 2, "").rejected());
    EXPECT_EQ(table.Cell(1, 2), "");
    EXPECT_EQ(table.Cell(1, 1), "145.12500");
}

TEST_F(CellCommit, ListValuesOnAnEmptyRowStayEmpty) {
    EXPECT_FALSE(Commit(3, 5, "Low").rejected());
    EXPECT_EQ(table.Cell(3, 5), "");
    Commit(3, 1, "145.125");
    Commit(3, 4, "D023N");
    EXPECT_EQ(table.Cell(3, 4), "D023N");
}

TEST(BandText, LimitsAndLists) {
    EXPECT_EQ(BandLimitsOfText("130 - 160MHz"), (BandLimits{13000000, 16000000}));
    EXPECT_EQ(BandLimitsOfText("136.5 - 174MHz"), (BandLimits{13600000, 17400000}));
    EXPECT_EQ(BandLimitsOfText("400MHz"), (BandLimits{40000000, 40000000}));
    EXPECT_EQ(BandLimitsOfText(""), (BandLimits{0, 0}));
    EXPECT_EQ(BandLimitsOfText("99999999999 - 1"), (BandLimits{2147400000, 100000}));
    EXPECT_EQ(SplitBandList("130 - 160MHz|400 - 470MHz"),
              (std::vector<std::string>{"130 - 160MHz", "400 - 470MHz"}));
    EXPECT_EQ(SplitBandList(""), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitBandList("a|"), (std::vector<std::string>{"a", ""}));
}

}  // namespace
}  // namespace qm530

namespace qm530 {
namespace {

// What is stored is what was typed: a comma between digits is the decimal
// point, anything else after the number is refused.
TEST_F(CellCommit, ACommaIsTheDecimalPointAndOtherTextIsRefused) {
    for (const auto& [typed, shown] :
         {std::pair{"145,525", "145.52500"}, std::pair{" 145,5 ", "145.50000"},
          std::pair{"145.1250004", "145.12500"}}) {
        EXPECT_FALSE(Commit(1, 1, typed).rejected()) << typed;
        EXPECT_EQ(table.Cell(1, 1), shown) << typed;
    }
    for (const char* typed : {"145 5", "145;5", "145,5,0", "145.5,0", "145MHz", "145,"}) {
        EXPECT_EQ(Commit(1, 1, typed).messageId, msg::kStepError) << typed;
        EXPECT_EQ(table.Cell(1, 1), "") << typed;
    }
    // No number at all, or one outside the band, stays out of range.
    EXPECT_EQ(Commit(1, 1, "abc").messageId, msg::kOutOfRange);
    EXPECT_EQ(Commit(1, 1, "0x91").messageId, msg::kOutOfRange);
    Commit(1, 1, "145");
    EXPECT_EQ(Commit(1, 2, "146,52").messageId, 0);
    EXPECT_EQ(table.Cell(1, 2), "146.52000");
}

}  // namespace
}  // namespace qm530
