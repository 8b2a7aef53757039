#include "model/channel_list.h"

#include <gtest/gtest.h>

#include "model/atomic_file.h"
#include "model/cell_commit.h"
#include "model/channel_import.h"
#include "model/channel_list_row.h"
#include "model/csv_text.h"
#include "model/messages.h"

namespace qm530 {
namespace {

const BandLimits kVhf = BandLimitsOfText("136 - 174MHz");
const BandLimits kWide{13000000, 48000000};
constexpr auto kEn = UiLanguage::English;

std::string Sample(const std::string& name) {
    const Result<std::string> text =
        ReadWholeFile(std::string(QM530_SOURCE_DIR) + "/tests/model/channel_lists/" + name);
    EXPECT_TRUE(text) << name;
    return text ? *text : std::string();
}

ChannelTable EmptyTable() {
    ChannelTable t;
    t.WriteLabels(kEn);
    return t;
}

ImportPlan Plan(const std::string& text, const ChannelTable& table, const BandLimits& band = kWide,
                ImportChoices choices = {}) {
    const Result<ChannelList> list = ReadChannelList(text);
    EXPECT_TRUE(list) << list.detail();
    return PlanChannelImport(list ? *list : ChannelList(), table, band, kEn, choices);
}

ChannelList ReadOrFail(const std::string& text, UiLanguage lang) {
    const Result<ChannelList> list = ReadChannelList(text, lang);
    EXPECT_TRUE(list) << list.detail();
    return list ? *list : ChannelList();
}

// Rx, Tx, Dec, Enc, Power, Scan, Busy, W/N of a channel, joined by '|'.
std::string RowText(const ChannelTable& t, int n) {
    std::string s;
    for (int c = 1; c < kTableCols; ++c) s += (c > 1 ? "|" : "") + t.Cell(n, c);
    return s;
}

TEST(CsvText, QuotesLineEndsBomAndBlankLines) {
    const Result<std::vector<CsvRecord>> read = ReadCsv(
        "\xEF\xBB\xBF"
        "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\r\n,,\n\"multi\r\nline\",x\ry");
    ASSERT_TRUE(read);
    const std::vector<CsvRecord>& r = *read;
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].fields, (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(r[1].line, 4);
    EXPECT_EQ(r[1].fields, (std::vector<std::string>{"multi\nline", "x"}));
    EXPECT_EQ(r[2].line, 6);
    EXPECT_EQ(r[2].fields, (std::vector<std::string>{"y"}));
    EXPECT_EQ(CsvRecordText({"a", "b,c", "q\"", ""}), "a,\"b,c\",\"q\"\"\",\r\n");

    EXPECT_EQ(ReadCsv("a\n\"open,b\n").detail(), "line 2: a quoted field is never closed");
    EXPECT_EQ(ReadCsv("a\nb\xFF\n").detail(), "line 2 is not UTF-8 text");
    EXPECT_FALSE(ReadCsv("a\xC0\xAF"));  // overlong '/'
    EXPECT_FALSE(ReadCsv(std::string_view("a\0b", 3)));
}

TEST(ChannelListRead, RefusesWholeFilesWithAReason) {
    EXPECT_EQ(ReadChannelList("").detail(), "the file has no header line naming the columns");
    EXPECT_EQ(ReadChannelList("\n\n").detail(), "the file has no header line naming the columns");
    EXPECT_EQ(ReadChannelList("Location,Name\n1,x\n").detail(),
              "line 1: the header names no Frequency column");
    EXPECT_FALSE(ReadChannelList("Frequency\n\xE4\xB8\n"));
    const Result<ChannelList> read = ReadChannelList(" frequency ,UNKNOWN,LOCATION\n146.52,x,3\n");
    ASSERT_TRUE(read);
    const ChannelList& list = *read;
    EXPECT_EQ(list.Value(list.Rows()[0], ListColumn::Location), "3");
    EXPECT_FALSE(list.Has(ListColumn::Tone));
}

TEST(ChannelListImport, RepeaterListWithOffsetsAndTones) {
    const ImportPlan plan = Plan(Sample("repeaters.csv"), EmptyTable(), kWide);
    ASSERT_FALSE(plan.Refuses());
    EXPECT_EQ(plan.Count(ImportOutcome::New), 4);
    EXPECT_EQ(RowText(plan.result, 1), "146.94000|146.34000|None|100.0|High|Yes|Off|Wide");
    EXPECT_EQ(RowText(plan.result, 2), "147.15000|147.75000|None|123.0|High|Yes|Off|Wide");
    EXPECT_EQ(RowText(plan.result, 3), "444.10000|449.10000|131.8|131.8|High|Yes|Off|Wide");
    // An empty CrossMode is Tone->Tone.
    EXPECT_EQ(RowText(plan.result, 4), "145.31000|144.71000|100.0|88.5|Low|No|Off|Narrow");
    ASSERT_EQ(plan.entries[2].notes.size(), 1u);
    EXPECT_NE(plan.entries[2].notes[0].find("priority"), std::string::npos);
    EXPECT_EQ(plan.entries[0].line, 2);
}

TEST(ChannelListImport, BusinessListWithDcsCountedFromZero) {
    const ImportPlan plan = Plan(Sample("business.csv"), EmptyTable(), kWide);
    ASSERT_FALSE(plan.Refuses()) << plan.entries[0].reason;
    EXPECT_EQ(RowText(plan.result, 1), "462.56250|462.56250|D023N|D023N|High|Yes|Off|Narrow");
    EXPECT_EQ(RowText(plan.result, 2), "467.57500|467.57500|D754I|D754N|Low|No|Off|Narrow");
    EXPECT_EQ(RowText(plan.result, 3), "451.12500|456.12500|D047N|88.5|High|Yes|Off|Wide");
    EXPECT_EQ(RowText(plan.result, 4), "451.25000|451.25000|None|D411I|Low|Yes|Off|Narrow");
    EXPECT_EQ(RowText(plan.result, 5), "451.37500||D065I|None|High|Yes|Off|Narrow");
}

TEST(ChannelListImport, SimplexListInFileOrderAndOldSeventeenColumns) {
    ImportPlan plan = Plan(Sample("simplex.csv"), EmptyTable());
    ASSERT_FALSE(plan.Refuses());
    EXPECT_EQ(RowText(plan.result, 1), "146.52000|146.52000|None|None|High|Yes|Off|Wide");
    EXPECT_EQ(RowText(plan.result, 2), "146.55000|146.55000|None|77.0|High|Yes|Off|Wide");
    EXPECT_EQ(RowText(plan.result, 3), "145.01000|145.01000|None|None|High|Yes|Off|Narrow");

    plan = Plan(Sample("old17.csv"), EmptyTable());
    ASSERT_FALSE(plan.Refuses()) << plan.entries[1].reason;
    EXPECT_EQ(RowText(plan.result, 5), "145.35000|144.75000|103.5|103.5|High|Yes|Off|Wide");
    EXPECT_EQ(RowText(plan.result, 6), "146.70000|146.10000|D243I|D243I|High|No|Off|Wide");
    EXPECT_EQ(RowText(plan.result, 7), "146.80000|147.40000|88.5|151.4|High|Yes|Off|Wide");
}

TEST(ChannelListImport, RefusalsAndSkipsCarryLineAndReason) {
    ChannelTable table = EmptyTable();
    const ImportPlan plan = Plan(Sample("refusals.csv"), table, kVhf);
    ASSERT_EQ(plan.entries.size(), 10u);
    auto expect = [&](std::size_t i, int line, ImportOutcome o, const std::string& part) {
        const ImportEntry& e = plan.entries[i];
        EXPECT_EQ(e.line, line) << i;
        EXPECT_EQ(e.outcome, o) << i << " " << e.reason;
        EXPECT_NE(e.reason.find(part), std::string::npos) << i << ": " << e.reason;
    };
    expect(0, 2, ImportOutcome::Refused, MessageText(msg::kStepError));
    EXPECT_EQ(plan.entries[0].messageId, msg::kStepError);
    expect(1, 3, ImportOutcome::Refused, MessageText(msg::kOutOfRange));
    expect(2, 4, ImportOutcome::Refused, "rToneFreq '88.7' is not a CTCSS tone");
    expect(3, 5, ImportOutcome::Refused, "Mode 'AM' has no equivalent");
    expect(4, 6, ImportOutcome::Refused, "reverse squelch");
    expect(5, 7, ImportOutcome::Refused, "DtcsCode '024' is not a DCS code");
    expect(6, 8, ImportOutcome::Skipped, "Location 20 is outside 1 to 16");
    expect(7, 9, ImportOutcome::Skipped, "no Frequency");
    expect(8, 10, ImportOutcome::Refused, "transmit frequency 86.67000");
    expect(9, 11, ImportOutcome::New, "");
    // Refused rows change nothing; the good one is in the result.
    for (int n = 1; n <= 8; ++n) EXPECT_FALSE(plan.result.IsProgrammed(n)) << n;
    EXPECT_TRUE(plan.result.IsProgrammed(9));
}

// The Chinese program says every refusal, skip and note in Chinese, with the
// file's own column names and values; the refusals are the same.
TEST(ChannelListImport, ReasonsAndNotesFollowTheInterfaceLanguage) {
    constexpr auto kZh = UiLanguage::Chinese;
    EXPECT_EQ(ReadChannelList("", kZh).detail(), "文件没有列出各列名称的标题行");
    EXPECT_EQ(ReadChannelList("Location,Name\n1,x\n", kZh).detail(),
              "第 1 行：标题行中没有 Frequency 列");
    EXPECT_EQ(ReadChannelList("Frequency\n\xE4\xB8\n", kZh).detail(), "第 2 行不是 UTF-8 文本");

    const Result<ChannelList> read = ReadChannelList(Sample("refusals.csv"), kZh);
    ASSERT_TRUE(read);
    const ChannelList& list = *read;
    ChannelTable table;
    table.WriteLabels(kZh);
    const ImportPlan zh = PlanChannelImport(list, table, kVhf, kZh, {});
    const ImportPlan en = PlanChannelImport(list, EmptyTable(), kVhf, kEn, {});
    ASSERT_EQ(zh.entries.size(), en.entries.size());
    for (std::size_t i = 0; i < zh.entries.size(); ++i)
        EXPECT_EQ(zh.entries[i].outcome, en.entries[i].outcome) << i;
    EXPECT_EQ(zh.entries[0].reason.rfind("接收频率 ", 0), 0u) << zh.entries[0].reason;
    EXPECT_NE(zh.entries[0].reason.find(MessageText(msg::kStepError, kZh)), std::string::npos);
    EXPECT_EQ(zh.entries[2].reason, "rToneFreq '88.7' 不是本机的 CTCSS 亚音");
    EXPECT_EQ(zh.entries[3].reason, "Mode 'AM' 在本机中没有对应的方式（FM 或 NFM）");
    EXPECT_EQ(zh.entries[6].reason, "Location 20 超出 1 到 16");
    EXPECT_EQ(zh.entries[7].reason, "没有 Frequency");
    EXPECT_EQ(zh.entries[8].reason.rfind("发射频率 86.67000", 0), 0u) << zh.entries[8].reason;

    const ImportPlan repeaters =
        PlanChannelImport(ReadOrFail(Sample("repeaters.csv"), kZh), table, kWide, kZh, {});
    ASSERT_EQ(repeaters.entries[2].notes.size(), 1u);
    EXPECT_EQ(repeaters.entries[2].notes[0], "Skip P（优先扫描）按加入扫描处理");
}

TEST(ChannelListImport, ProgrammedChannelsKeepBusyLockAndUnchangedRowsAreSaid) {
    ChannelTable table = EmptyTable();
    CommitCellText(table, 1, col::kRx, "146.52", kVhf, kEn);
    CommitCellText(table, 1, col::kTx, "146.52", kVhf, kEn);
    CommitCellText(table, 1, col::kScanAdd, "Yes", kVhf, kEn);
    CommitCellText(table, 1, col::kBusyLock, "Carrier", kVhf, kEn);
    CommitCellText(table, 2, col::kRx, "147.00", kVhf, kEn);
    CommitCellText(table, 3, col::kRx, "147.50", kVhf, kEn);
    const std::string csv = "Location,Frequency,Tone,rToneFreq\n1,146.52,,\n2,147.0,Tone,88.5\n";
    ImportPlan plan = Plan(csv, table, kVhf);
    EXPECT_EQ(plan.entries[0].outcome, ImportOutcome::Unchanged);
    EXPECT_EQ(plan.entries[1].outcome, ImportOutcome::Changed);
    EXPECT_EQ(plan.result.Cell(1, col::kBusyLock), "Carrier");
    EXPECT_EQ(plan.entries[1].before[col::kEncode], "None");
    EXPECT_EQ(plan.entries[1].after[col::kEncode], "88.5");
    EXPECT_TRUE(plan.result.IsProgrammed(3));

    ImportChoices clear;
    clear.clearOthers = true;
    plan = Plan(csv, table, kVhf, clear);
    ASSERT_EQ(plan.entries.size(), 3u);
    EXPECT_EQ(plan.entries[2].outcome, ImportOutcome::Cleared);
    EXPECT_EQ(plan.entries[2].channel, 3);
    EXPECT_FALSE(plan.result.IsProgrammed(3));

    // Applying the plan as typed edits gives the table the plan foresaw.
    ChannelTable applied = table;
    ApplyImportPlan(plan, applied, kVhf, kEn);
    EXPECT_EQ(applied, plan.result);
}

TEST(ChannelListImport, RenumberingAndDuplicates) {
    const std::string csv = "Location,Frequency\n9,146.52\n9,146.55\n40,146.58\n";
    ImportPlan plan = Plan(csv, EmptyTable(), kVhf);
    EXPECT_EQ(plan.entries[0].channel, 9);
    EXPECT_EQ(plan.entries[1].outcome, ImportOutcome::Refused);
    EXPECT_EQ(plan.entries[1].reason, "channel 9 is already given by line 2");
    EXPECT_EQ(plan.entries[2].outcome, ImportOutcome::Skipped);

    ImportChoices renumber;
    renumber.renumber = true;
    renumber.start = 15;
    plan = Plan(csv, EmptyTable(), kVhf, renumber);
    EXPECT_EQ(plan.entries[0].channel, 15);
    EXPECT_EQ(plan.entries[1].channel, 16);
    EXPECT_EQ(plan.entries[2].outcome, ImportOutcome::Skipped);
    EXPECT_FALSE(plan.Refuses());
}

// Every squelch and cross mode, both polarities: what export writes, import
// reads back into the same cells.
TEST(ChannelListExport, EverySquelchModeRoundTrips) {
    struct Case {
        const char* dec;
        const char* enc;
        const char* tone;
        const char* cross;
        const char* polarity;
    };
    const Case cases[] = {
        {"None", "None", "", "Tone->Tone", "NN"},
        {"None", "88.5", "Tone", "Tone->Tone", "NN"},
        {"100.0", "100.0", "TSQL", "Tone->Tone", "NN"},
        {"D023I", "D023N", "DTCS", "Tone->Tone", "NR"},
        {"D754N", "D754I", "DTCS", "Tone->Tone", "RN"},
        {"67.0", "254.1", "Cross", "Tone->Tone", "NN"},
        {"D047I", "88.5", "Cross", "Tone->DTCS", "NR"},
        {"77.0", "D411I", "Cross", "DTCS->Tone", "RN"},
        {"77.0", "None", "Cross", "->Tone", "NN"},
        {"D065N", "None", "Cross", "->DTCS", "NN"},
        {"None", "D025I", "Cross", "DTCS->", "RN"},
        {"D032I", "D031I", "Cross", "DTCS->DTCS", "RR"},
    };
    ChannelTable table = EmptyTable();
    int n = 1;
    for (const Case& c : cases) {
        CommitCellText(table, n, col::kRx, "145.125", kVhf, kEn);
        CommitCellText(table, n, col::kTx, n % 2 ? "145.725" : "144.525", kVhf, kEn);
        CommitCellText(table, n, col::kDecode, c.dec, kVhf, kEn);
        CommitCellText(table, n, col::kEncode, c.enc, kVhf, kEn);
        CommitCellText(table, n, col::kPower, n % 3 ? "High" : "Low", kVhf, kEn);
        CommitCellText(table, n, col::kScanAdd, n % 2 ? "Yes" : "No", kVhf, kEn);
        CommitCellText(table, n, col::kBandwidth, n % 4 ? "Wide" : "Narrow", kVhf, kEn);
        const std::vector<std::string> f = ListFieldsOfChannel(table, n);
        EXPECT_EQ(f[static_cast<int>(ListColumn::Tone)], c.tone) << n;
        EXPECT_EQ(f[static_cast<int>(ListColumn::CrossMode)], c.cross) << n;
        EXPECT_EQ(f[static_cast<int>(ListColumn::DtcsPolarity)], c.polarity) << n;
        ++n;
    }
    CommitCellText(table, 13, col::kRx, "146.00625", kVhf, kEn);  // no Tx
    CommitCellText(table, 14, col::kRx, "150", kVhf, kEn);
    CommitCellText(table, 14, col::kTx, "150", kVhf, kEn);
    const std::string csv = ChannelListCsv(table);
    EXPECT_NE(csv.find("\r\n1,,145.125000,+,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                       "High,,,,,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n13,,146.006250,off,0.000000,"), std::string::npos);
    EXPECT_NE(csv.find(",FM,6.25,S,"), std::string::npos);
    EXPECT_NE(csv.find("\r\n14,,150.000000,,0.000000,"), std::string::npos);

    const ImportPlan plan = Plan(csv, EmptyTable(), kVhf);
    ASSERT_FALSE(plan.Refuses());
    for (int r = 1; r <= 14; ++r) {
        EXPECT_EQ(RowText(plan.result, r), RowText(table, r)) << r;
    }
    EXPECT_FALSE(plan.result.IsProgrammed(15));
}

TEST(ChannelListExport, LargeDifferencesAreSplit) {
    ChannelTable table = EmptyTable();
    CommitCellText(table, 1, col::kRx, "150", kWide, kEn);
    CommitCellText(table, 1, col::kTx, "450", kWide, kEn);
    const auto f = ListFieldsOfChannel(table, 1);
    EXPECT_EQ(f[static_cast<int>(ListColumn::Duplex)], "split");
    EXPECT_EQ(f[static_cast<int>(ListColumn::Offset)], "450.000000");
}

}  // namespace
}  // namespace qm530
