#pragma once

#include <QFont>
#include <string>

#include "model/status.h"
#include "print/print_layout.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// Draws the printout's layout with QPainter on any paint device: a QPrinter
// (print and print preview) or a QPdfWriter. Twips are mapped to device
// pixels with the device's logical resolution, the y axis turned downwards,
// and the origin at the top-left corner of the device's printable area.
namespace qm530::print {

// The device's printable area in twips.
PrintableArea AreaOfDevice(const QPaintDevice& device);

// The printout's font for a size in twips on the device: "Times New Roman"
// or the closest serif face present, with the character height as its pixel
// size, at its natural width.
QFont PrintFont(const FontSize& size, const QPaintDevice& device);

// The horizontal scale that gives the font the requested average character
// width; DrawPage draws each text through this scale.
double WidthScale(const QFont& font, const FontSize& size, const QPaintDevice& device);

// Line height (cell height plus external leading) of a font on the device, in twips.
int LineHeight(const QFont& font, const QPaintDevice& device);

// Area and measured line heights L1/L2 of a page of the device.
PageMetrics MeasurePage(const QPaintDevice& device);

// Draws one page (1-based) with a painter that is active on a device;
// the page is measured first.
void DrawPage(QPainter& painter, const PrintData& data, int page);

// Prints pages fromPage to toPage (1-based, inclusive; 0 means the first or
// the last page) on the device, starting a new page between them. For a
// QPrinter pass its fromPage()/toPage(); a QPrintPreviewDialog's
// paintRequested(QPrinter*) just calls PrintDocument(*printer, data).
Status PrintDocument(QPagedPaintDevice& device, const PrintData& data, int fromPage = 0,
                     int toPage = 0);

// Renders the whole printout on A4 pages as a PDF and writes it to `path`
// atomically: on failure an existing file stays as it was.
Status WritePdfFile(const std::string& path, const PrintData& data, const std::string& title = {});

}  // namespace qm530::print
