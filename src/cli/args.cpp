#include "cli/args.h"

namespace qm530::cli {

bool Args::Parse(const std::vector<std::string>& argv, const std::vector<OptionDef>& known,
                 std::string& error) {
    bool onlyPositional = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (onlyPositional || a.size() < 2 || a.compare(0, 2, "--") != 0) {
            positional_.push_back(a);
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
            flags_.insert(name);
            continue;
        }
        const OptionDef* option = nullptr;
        for (const OptionDef& s : known) {
            if (name == s.name) option = &s;
        }
        if (option == nullptr) {
            error = "unknown option " + name;
            return false;
        }
        if (!option->takesValue) {
            if (inlineValue) {
                error = "option " + name + " takes no value";
                return false;
            }
            flags_.insert(name);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= argv.size()) {
                error = "option " + name + " needs a value";
                return false;
            }
            value = argv[++i];
        }
        values_[name] = value;
        allValues_[name].push_back(value);
    }
    return true;
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

bool LanguageOption(const Args& args, UiLanguage& lang, std::string& error) {
    const std::string v = args.Value("--lang", "en");
    if (v == "en") {
        lang = UiLanguage::English;
    } else if (v == "zh") {
        lang = UiLanguage::Chinese;
    } else {
        error = "--lang takes en or zh, not '" + v + "'";
        return false;
    }
    return true;
}

void PrintError(std::ostream& err, const std::string& text) {
    err << "qm530: " << text << '\n';
}

}  // namespace qm530::cli
