#pragma once

#include <string>

#include "model/status.h"
#include "print/print_layout.h"

namespace qm530::print {

// Writes the printout as a PDF file from a program without windows (the
// command-line tool): fonts and painting need a QGuiApplication, so one is
// made for the call when the program has none, on the "offscreen" platform
// unless the caller chose one. The file is written atomically.
Status ExportPdf(const std::string& path, const PrintData& data, const std::string& title);

}  // namespace qm530::print
