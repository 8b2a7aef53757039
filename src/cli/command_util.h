#pragma once

#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/command.h"
#include "config/ini_file.h"
#include "model/file_lock.h"
#include "model/radio_image.h"
#include "model/result.h"
#include "model/status.h"

namespace qm530::cli {

// The steps below print what needs saying themselves. A failed one gives a
// Status whose exitCode() the command ends with (0 when --help printed the
// usage), so a command goes on with the value or returns that code.

// Parses the command's arguments; ends the command when --help asked for
// the usage (0) or the arguments are wrong (2).
Result<Args> PrepareArgs(Context& ctx, const char* commandName, const std::vector<OptionDef>& known,
                         std::size_t minPositional, std::size_t maxPositional);

// Reads --lang; a wrong value is a usage error, printed as "COMMAND: reason".
Result<UiLanguage> LanguageOrReport(Context& ctx, const char* commandName, const Args& args);

// Reads a channel number argument: one or two digits, 1 to 16. Otherwise
// prints "COMMAND: bad channel number 'TEXT' (1 to 16)" (a usage error).
Result<int> ChannelArgOrReport(Context& ctx, const char* commandName, const std::string& text);

// Loads a .dat file to look at, printing one error line on failure (exit 1)
// and a note when the file is longer than a radio image.
Result<RadioImage> LoadImageOrReport(Context& ctx, const std::string& path);
// Loads a .dat file that the command goes on to save over or to write to a
// radio: one longer than a radio image is refused unless --force was given.
Result<RadioImage> LoadForChangeOrReport(Context& ctx, const char* commandName,
                                         const std::string& path, bool force);
// Locks a document for the read-modify-write of an editing command, waiting
// briefly for another program that edits it; then says it is busy (exit 1).
Result<FileLock> LockOrReport(Context& ctx, const char* commandName, const std::string& path);

// Saves a .dat file atomically, printing one error line on failure (exit 1).
// `force` saves over a file longer than a radio image.
Status SaveImageOrReport(Context& ctx, const std::string& path, const RadioImage& image,
                         bool force = false);

// Loads Program.ini for reading into `ini`: --ini PATH when given (which
// must exist), else the one in the program's directory (which may be
// missing: then the store stays empty). Never creates or writes the file.
// Prints the problem on failure (exit 1).
Status LoadIniOrReport(Context& ctx, const Args& args, config::CIniFile& ini);

}  // namespace qm530::cli
