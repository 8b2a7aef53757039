#include "cli/args.h"

namespace qm530::cli {

Result<Args> Args::Parse(const std::vector<std::string>& argv,
                         const std::vector<OptionDef>& known) {
    Args parsed;
    bool onlyPositional = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (onlyPositional || a.size() < 2 || a.compare(0, 2, "--") != 0) {
            parsed.positional_.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = a;
        std::string value;
        bool inlineValue = false;
        const auto eq = a.find('=');
        if (eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            inlineValue = true;
        }
        if (name == "--help") {
            parsed.flags_.insert(name);
            continue;
        }
        const OptionDef* option = nullptr;
        for (const OptionDef& s : known) {
            if (name == s.name) option = &s;
        }
        if (option == nullptr) {
            return Status::Fail("unknown option " + name);
        }
        if (!option->takesValue) {
            if (inlineValue) {
                return Status::Fail("option " + name + " takes no value");
            }
            parsed.flags_.insert(name);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= argv.size()) {
                return Status::Fail("option " + name + " needs a value");
            }
            value = argv[++i];
        }
        parsed.values_[name] = value;
        parsed.allValues_[name].push_back(value);
    }
    return parsed;
}

bool Args::Has(const std::string& name) const {
    return flags_.count(name) != 0 || values_.count(name) != 0;
}

std::string Args::Value(const std::string& name, const std::string& fallback) const {
    const auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

std::vector<std::string> Args::Values(const std::string& name) const {
    const auto it = allValues_.find(name);
    return it == allValues_.end() ? std::vector<std::string>{} : it->second;
}

Result<UiLanguage> LanguageOption(const Args& args) {
    const std::string v = args.Value("--lang", "en");
    if (v == "en") return UiLanguage::English;
    if (v == "zh") return UiLanguage::Chinese;
    return Status::Fail("--lang takes en or zh, not '" + v + "'");
}

void PrintError(std::ostream& err, const std::string& text) {
    err << "qm530: " << text << '\n';
}

}  // namespace qm530::cli
