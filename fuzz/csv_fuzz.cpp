// Feeds arbitrary bytes to the channel-list reader and, when it accepts them,
// plans the import into a new image's channels both ways. A refusal must
// carry a reason; an accepted list must plan every row, and applying the
// plan must give the table the plan foresaw. What the reader gives back as
// CSV must read back as the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "model/channel_import.h"
#include "model/channel_list.h"
#include "model/csv_text.h"

namespace {

using namespace qm530;

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const Result<std::vector<CsvRecord>> read = ReadCsv(bytes);
    Check(read.ok() || !read.detail().empty());
    if (read.ok()) {
        const std::vector<CsvRecord>& records = *read;
        // A byte-order mark of its own, so that one the data begins with stays data.
        std::string again = "\xEF\xBB\xBF";
        for (const CsvRecord& r : records) again += CsvRecordText(r.fields);
        const Result<std::vector<CsvRecord>> second = ReadCsv(again);
        Check(second.ok());
        Check(second->size() == records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            Check((*second)[i].fields == records[i].fields);
    }

    const Result<ChannelList> s = ReadChannelList(bytes);
    Check(s.ok() || !s.detail().empty());
    if (!s.ok()) return 0;
    const ChannelList& list = *s;

    RadioImage image = RadioImage::Default();
    ChannelTable table;
    table.WriteLabels(UiLanguage::English);
    ImageToGrid(image, table, UiLanguage::English);
    const BandLimits band = BandLimitsOfText("130 - 480MHz");
    for (const bool renumber : {false, true}) {
        ImportChoices choices;
        choices.renumber = renumber;
        choices.start = 3;
        choices.clearOthers = renumber;
        const ImportPlan plan = PlanChannelImport(list, table, band, UiLanguage::Chinese, choices);
        std::size_t rows = 0;
        for (const ImportEntry& e : plan.entries) {
            if (e.outcome != ImportOutcome::Cleared) ++rows;
            if (e.outcome == ImportOutcome::Refused || e.outcome == ImportOutcome::Skipped)
                Check(!e.reason.empty());
        }
        Check(rows == list.Rows().size());
        ChannelTable applied = table;
        ApplyImportPlan(plan, applied, band, UiLanguage::Chinese);
        Check(applied == plan.result);
        // What was imported exports and reads back.
        Check(ReadChannelList(ChannelListCsv(applied)).ok());
    }
    return 0;
}
