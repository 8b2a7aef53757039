#pragma once

#include <string>
#include <vector>

#include "app/core/ini_file.h"
#include "cli/args.h"
#include "cli/command.h"
#include "model/radio_image.h"

namespace qm530::cli {

// Parses the command's arguments. Returns true when the command should go on;
// otherwise `exitCode` holds the code to return (help printed: 0; usage error: 2).
bool PrepareArgs(Context& ctx, const char* commandName, const std::vector<OptionDef>& known,
                 std::size_t minPositional, std::size_t maxPositional, Args& args, int& exitCode);

// Reads a channel number argument: one or two digits, 1 to 16. Otherwise
// prints "COMMAND: bad channel number 'TEXT' (1 to 16)" and returns false
// (a usage error).
bool ChannelArgOrReport(Context& ctx, const char* commandName, const std::string& text,
                        int& channel);

// Loads a .dat file, printing one error line on failure.
bool LoadImageOrReport(Context& ctx, const std::string& path, RadioImage& image);
// Saves a .dat file atomically, printing one error line on failure.
bool SaveImageOrReport(Context& ctx, const std::string& path, const RadioImage& image);

// Loads Program.ini for reading: --ini PATH when given (which must exist),
// else the one in the program's directory (which may be missing: then the
// store stays empty). Never creates or writes the file.
bool LoadIniOrReport(Context& ctx, const Args& args, CIniFile& ini);

}  // namespace qm530::cli
