#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/result.h"

namespace qm530::cli {

// Exit codes shared by every command.
namespace exitcode {
constexpr int kOk = 0;
constexpr int kFailed = 1;  // the operation failed or a value was refused
constexpr int kUsage = 2;   // unknown command, option or missing argument
}  // namespace exitcode

struct OptionDef {
    const char* name;  // "--lang"
    bool takesValue;
};

// The parsed command line of one command: positional arguments in order,
// options with values, and flags.
class Args {
  public:
    // Parses argv; fails with a message for unknown options or a missing
    // option value. "--help" is always accepted as a flag.
    static Result<Args> Parse(const std::vector<std::string>& argv,
                              const std::vector<OptionDef>& known);

    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(const std::string& name) const;
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
    // Every value of an option given more than once, in order; Value gives the last.
    std::vector<std::string> Values(const std::string& name) const;
    bool Help() const { return Has("--help"); }

  private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::map<std::string, std::vector<std::string>> allValues_;
    std::set<std::string> flags_;
};

// Reads --lang (en or zh, default en). Fails for any other value.
Result<UiLanguage> LanguageOption(const Args& args);

// Writes "qm530: <text>" to the error stream.
void PrintError(std::ostream& err, const std::string& text);

}  // namespace qm530::cli
