#pragma once

#include <string>
#include <vector>

#include "model/channel_table.h"
#include "model/language.h"
#include "model/radio_image.h"

// The page layout of the printout, independent of any drawing library.
//
// All positions are in twips (1440 per inch) from the top-left corner of the
// printable area, with the y axis pointing up: positions down the page are
// negative. A text's position is its top-left corner.
namespace qm530::print {

// Channels per channel page.
constexpr int kChannelsPerPage = 7;

// Printable area in twips: pixels * 1440 / pixels-per-inch, integer division.
struct PrintableArea {
    int height = 0;  // H
    int width = 0;   // W
};

// Character height (without internal leading) and average character width, in twips.
struct FontSize {
    int height = 0;
    int width = 0;
};

enum class FontKind { Large, Small };

// Large: H / 45 high, W / 66 wide. Small: 0.8 times both, truncated.
struct PageFonts {
    FontSize large;
    FontSize small;
    const FontSize& Of(FontKind kind) const { return kind == FontKind::Large ? large : small; }
};
PageFonts FontsForArea(const PrintableArea& area);

// What a page's layout is computed from: the area, and the line heights
// (character cell height plus external leading, in twips) that the renderer
// measured with the two fonts of FontsForArea(area).
struct PageMetrics {
    PrintableArea area;
    int largeLine = 0;  // L1
    int smallLine = 0;  // L2
    // Column unit C: every x position is a whole multiple of it.
    int Column() const { return area.width / 66; }
};

// The contents of one printout: the channel grid's texts (rows 1-16, columns
// 1-8 as the grid shows them), the image for the options page, the language
// of the labels and the owner text of the footer.
struct PrintData {
    ChannelTable grid;
    RadioImage image = RadioImage::Default();
    UiLanguage lang = UiLanguage::English;
    std::string owner;
};

struct Rule {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    bool operator==(const Rule&) const = default;
};

struct Text {
    int x = 0;
    int y = 0;
    std::string text;  // UTF-8
    FontKind font = FontKind::Small;
    bool operator==(const Text&) const = default;
};

// Everything drawn on one page, in drawing order.
struct Page {
    PageFonts fonts;
    std::vector<Rule> rules;
    std::vector<Text> texts;
};

// 1 options page + one page per seven programmed channels (1 to 4 pages).
int PageCount(const ChannelTable& grid);

// The channel numbers (1-16) printed on a page (1-based); empty for page 1
// and for pages past the last.
std::vector<int> ChannelsOnPage(const ChannelTable& grid, int page);

// Label and value of one row of the options page.
struct OptionRow {
    std::string label;
    std::string value;
};
// The eleven rows, Time Out Timer to Scan Function, decoded from the image.
std::vector<OptionRow> OptionRows(const RadioImage& image, UiLanguage lang);

// The complete layout of a page (1-based): frame, body and footer.
Page LayOutPage(const PrintData& data, int page, const PageMetrics& metrics);

}  // namespace qm530::print
