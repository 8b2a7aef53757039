#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace qm530::config {

// The user's remembered choices: 4-byte numbers under a key named after
// AppName of section Setup ("com", "Type", "Field"), and texts (the recent
// files). Readers take a preset that stays when the value is missing or
// cannot be read.
class Registry {
  public:
    virtual ~Registry() = default;
    virtual std::uint32_t ReadDword(const std::string& name, std::uint32_t preset) const = 0;
    virtual void WriteDword(const std::string& name, std::uint32_t value) = 0;
    virtual std::string ReadText(const std::string& name, const std::string& preset) const = 0;
    // An empty text removes the value.
    virtual void WriteText(const std::string& name, const std::string& value) = 0;
};

// A registry held in memory, for code and tests that run without Qt.
class MemoryRegistry : public Registry {
  public:
    std::uint32_t ReadDword(const std::string& name, std::uint32_t preset) const override {
        const auto it = values_.find(name);
        return it == values_.end() ? preset : it->second;
    }
    void WriteDword(const std::string& name, std::uint32_t value) override {
        values_[name] = value;
    }
    std::string ReadText(const std::string& name, const std::string& preset) const override {
        const auto it = texts_.find(name);
        return it == texts_.end() ? preset : it->second;
    }
    void WriteText(const std::string& name, const std::string& value) override {
        if (value.empty()) {
            texts_.erase(name);
        } else {
            texts_[name] = value;
        }
    }
    bool Has(const std::string& name) const {
        return values_.count(name) != 0 || texts_.count(name) != 0;
    }

  private:
    std::map<std::string, std::uint32_t> values_;
    std::map<std::string, std::string> texts_;
};

}  // namespace qm530::config
