#pragma once

#include <string>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/command_util.h"
#include "model/band.h"
#include "model/radio_image.h"
#include "model/status.h"

namespace qm530::cli {

// The command-line names of the grid columns, in column order: rx, tx, dec,
// enc, power, scan, busy, bw.
struct FieldName {
    const char* name;
    int column;
};
const FieldName* ChannelFields();
constexpr int kChannelFieldCount = 8;

// The grid column of a field name; -1 for an unknown name.
int ColumnOfField(const std::string& name);

// Checks that a list column value is one the grid's drop-down list holds.
Status AcceptedByList(const std::string& field, int column, const std::string& value);

// --band "LOW - HIGHMHz" in whole MHz (the MHz may be left out); any other
// text is a usage error (exit 2). Edges outside what a record holds are cut
// to 10-999.99999 MHz when frequencies are checked.
Result<BandLimits> BandOption(Context& ctx, const Args& args);

// The band limits frequencies are checked against: --band, else the image's
// model and band in Program.ini (--ini), else what a record can hold.
// Prints the problem when Program.ini cannot be read.
Result<BandLimits> BandOf(Context& ctx, const Args& args, const RadioImage& image);

}  // namespace qm530::cli
