#include "print/print_renderer.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetricsF>
#include <QLineF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "model/atomic_file.h"

namespace qm530::print {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Margins of the PDF pages: the unprintable border of a usual office printer.
constexpr double kPdfMarginMm = 6.35;

double ToPixelsX(int twips, const QPaintDevice& d) {
    return twips * d.logicalDpiX() / kTwipsPerInch;
}
// y points up in the layout and down on the device.
double ToPixelsY(int twips, const QPaintDevice& d) {
    return -twips * d.logicalDpiY() / kTwipsPerInch;
}

}  // namespace

PrintableArea AreaOfDevice(const QPaintDevice& device) {
    PrintableArea area;
    if (device.logicalDpiY() > 0) area.height = device.height() * 1440 / device.logicalDpiY();
    if (device.logicalDpiX() > 0) area.width = device.width() * 1440 / device.logicalDpiX();
    return area;
}

QFont PrintFont(const FontSize& size, const QPaintDevice& device) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setKerning(false);
    // Without shaping no ligatures are formed, so "Off" stays three letters
    // (and reads back as such from a PDF) instead of "O" and an "ff" glyph.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const int pixels =
        static_cast<int>(std::lround(size.height * device.logicalDpiY() / kTwipsPerInch));
    font.setPixelSize(std::max(1, pixels));
    return font;
}

// The average width is reached by scaling the glyphs horizontally, as a
// TrueType font asked for a given average width is scaled. Letter spacing
// would only move unchanged glyphs apart. QFont::setStretch is not used:
// font matching then picks another face of the family (a condensed or
// expanded cut) whose own width differs, and the result misses the
// requested width by several per cent.
double WidthScale(const QFont& font, const FontSize& size, const QPaintDevice& device) {
    const double natural = QFontMetricsF(font, &device).averageCharWidth();
    const double wanted = size.width * device.logicalDpiX() / kTwipsPerInch;
    return natural > 0 && wanted > 0 ? wanted / natural : 1.0;
}

int LineHeight(const QFont& font, const QPaintDevice& device) {
    const QFontMetricsF fm(font, &device);
    const double pixels = fm.height() + std::max(0.0, fm.leading());
    if (device.logicalDpiY() <= 0) return 0;
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / device.logicalDpiY()));
}

PageMetrics MeasurePage(const QPaintDevice& device) {
    PageMetrics m;
    m.area = AreaOfDevice(device);
    const PageFonts fonts = FontsForArea(m.area);
    m.largeLine = LineHeight(PrintFont(fonts.large, device), device);
    m.smallLine = LineHeight(PrintFont(fonts.small, device), device);
    return m;
}

void DrawPage(QPainter& painter, const PrintData& data, int pageNumber) {
    const QPaintDevice& device = *painter.device();
    const PageMetrics metrics = MeasurePage(device);
    const Page page = LayOutPage(data, pageNumber, metrics);
    struct Face {
        QFont font;
        double xScale;
        double ascent;
    };
    const auto face = [&](const FontSize& size) {
        const QFont font = PrintFont(size, device);
        return Face{font, WidthScale(font, size, device), QFontMetricsF(font, &device).ascent()};
    };
    const Face large = face(page.fonts.large);
    const Face small = face(page.fonts.small);

    painter.save();
    // A cosmetic pen: one device dot wide, as thin as the device draws.
    QPen pen(Qt::black, 0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (const Rule& r : page.rules) {
        const double y = ToPixelsY(r.y, device);
        painter.drawLine(QLineF(ToPixelsX(r.x1, device), y, ToPixelsX(r.x2, device), y));
    }
    for (const Text& t : page.texts) {
        if (t.text.empty()) continue;
        const Face& f = t.font == FontKind::Large ? large : small;
        painter.setFont(f.font);
        // Layout positions are top-left corners; QPainter draws from the baseline.
        painter.save();
        painter.translate(ToPixelsX(t.x, device), ToPixelsY(t.y, device) + f.ascent);
        painter.scale(f.xScale, 1.0);
        painter.drawText(QPointF(0, 0), QString::fromStdString(t.text));
        painter.restore();
    }
    painter.restore();
}

Status PrintDocument(QPagedPaintDevice& device, const PrintData& data, int fromPage, int toPage) {
    const int count = PageCount(data.grid);
    const int first = fromPage < 1 ? 1 : fromPage;
    const int last = toPage < 1 || toPage > count ? count : toPage;
    if (first > last) return Status::Fail("no page to print in the chosen range");
    QPainter painter;
    if (!painter.begin(&device)) return Status::Fail("cannot start printing");
    for (int p = first; p <= last; ++p) {
        if (p > first && !device.newPage()) {
            painter.end();
            return Status::Fail("cannot start a new page");
        }
        DrawPage(painter, data, p);
    }
    if (!painter.end()) return Status::Fail("cannot finish printing");
    return Status::Ok();
}

Status WritePdfFile(const std::string& path, const PrintData& data, const std::string& title) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly))
            return Status::Fail(path + ": cannot render the PDF");
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("qm530"));
        writer.setTitle(QString::fromStdString(title));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                        QPageLayout::Millimeter));
        const Status s = PrintDocument(writer, data);
        if (!s) return Status::Fail(path + ": " + s.detail());
    }
    return WriteFileAtomically(path, pdf.toStdString());
}

}  // namespace qm530::print
