#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/args.h"
#include "cli/command.h"
#include "config/ini_file.h"
#include "model/radio_image.h"

namespace qm530::cli {

// What a command's preparation gives: the value to go on with, or the exit
// code the command ends with, whatever needed saying already printed.
template <class T>
class OrExit {
  public:
    OrExit(T value) : value_(std::move(value)) {}  // NOLINT: a value goes on
    static OrExit Exit(int code) { return OrExit(code, 0); }

    explicit operator bool() const { return value_.has_value(); }
    int code() const { return code_; }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }

  private:
    OrExit(int code, int) : code_(code) {}
    std::optional<T> value_;
    int code_ = exitcode::kOk;
};

// Parses the command's arguments; ends the command when --help asked for
// the usage (0) or the arguments are wrong (2).
OrExit<Args> PrepareArgs(Context& ctx, const char* commandName, const std::vector<OptionDef>& known,
                         std::size_t minPositional, std::size_t maxPositional);

// Reads --lang; a wrong value is a usage error, printed as "COMMAND: reason".
OrExit<UiLanguage> LanguageOrReport(Context& ctx, const char* commandName, const Args& args);

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
bool LoadIniOrReport(Context& ctx, const Args& args, config::CIniFile& ini);

}  // namespace qm530::cli
