// Feeds arbitrary bytes to the .dat loader, the channel codec and the tone
// codes. An input of at least 1024 bytes is a .dat file whose first 1024
// bytes make the image and whose rest is cut into texts for the grid cells
// and the tone decoder; a shorter input is all texts, on the default image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_temp.h"
#include "model/band.h"
#include "model/cell_commit.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/radio_image.h"
#include "model/tones.h"

namespace {

using namespace qm530;

constexpr UiLanguage kLanguages[] = {UiLanguage::English, UiLanguage::Chinese};

// The texts after the image: pieces separated by newlines.
std::vector<std::string> TextsOf(std::string_view rest) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (start <= rest.size() && texts.size() < 256) {
        const auto nl = rest.find('\n', start);
        const auto end = nl == std::string_view::npos ? rest.size() : nl;
        texts.emplace_back(rest.substr(start, end - start));
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzz::WriteScratchFile("fuzz.dat", bytes);

    const Result<RadioImage> load = LoadDatFile(path);
    const bool loaded = load.ok();
    const RadioImage image = loaded ? *load : RadioImage::Default();
    // Only the tool's own JSON text is refused at full length.
    if (loaded != (size >= kImageSize) && load.status().messageId() != openfail::kJson)
        std::abort();
    if (image != RadioImage::Default() &&
        !(loaded && std::string_view(reinterpret_cast<const char*>(image.bytes.data()),
                                     kImageSize) == bytes.substr(0, kImageSize))) {
        std::abort();
    }
    const std::vector<std::string> texts = TextsOf(loaded ? bytes.substr(kImageSize) : bytes);

    for (UiLanguage lang : kLanguages) {
        RadioImage work = image;
        ChannelTable table;
        table.WriteLabels(lang);
        ImageToGrid(work, table, lang);
        GridToImage(table, work);
        ImageToGrid(work, table, lang);

        // Fuzz texts typed into the cells, both straight and through the editor rules.
        const BandLimits band = BandLimitsOfText(texts.empty() ? "" : texts.front());
        std::size_t next = 0;
        for (int row = 1; row < kTableRows && next < texts.size(); ++row) {
            for (int column = 1; column < kTableCols && next < texts.size(); ++column, ++next) {
                if (next % 2 == 0) {
                    table.SetCell(row, column, texts[next]);
                } else {
                    (void)CommitCellText(table, row, column, texts[next], band, lang);
                }
            }
        }
        GridToImage(table, work);
        ImageToGrid(work, table, lang);
        (void)table.ProgrammedCount();

        for (std::size_t address = 0; address + 1 < kImageSize; address += 2) {
            const ToneWord word{work[address], work[address + 1]};
            const std::string text = ToneWordToText(word, (address & 2) != 0, lang);
            (void)TextToToneWord(text);
        }
    }
    for (const std::string& text : texts) {
        const ToneWord word = TextToToneWord(text);
        (void)ToneWordToText(word, false, UiLanguage::English);
        (void)ToneWordToText(word, false, UiLanguage::Chinese);
        (void)FormatFrequency(FrequencyUnitsOfText(text));
        (void)SplitBandList(text);
    }
    return 0;
}
