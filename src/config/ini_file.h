#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/result.h"
#include "model/status.h"

namespace qm530::config {

// The program's INI store. Sections and entries keep file order; comments and
// blank lines are not kept. Look-ups see the first section of a name and the
// last entry of a key. Texts are UTF-8; with NoCase, ASCII letters compare
// without regard to case and multibyte characters compare as units.
class CIniFile {
  public:
    CIniFile();
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // Builds the full path from the program's directory and loads it.
    Status Open(const std::string& fileName, bool autoSave, bool noCase, bool backupOnSave);
    // Loads a file; a missing file is created empty. A directory or a path
    // that cannot be opened fails with the store left empty. A read error
    // fails too, but keeps the lines read before it for look-ups; such an
    // incomplete store is never written back over the file.
    Status Load(const std::string& fullPath, bool autoSave, bool noCase, bool backupOnSave);

    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
    std::string GetValue(const std::string& key) const;
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    void SetValue(const std::string& key, const std::string& value);
    bool RemoveKey(const std::string& section, const std::string& key);
    bool RemoveSection(const std::string& section);

    std::vector<std::string> GetSectionNames() const;
    std::vector<std::string> GetKeyNames(const std::string& section) const;
    std::string GetListItem(const std::string& section, const std::string& key, int index,
                            char separator) const;
    static std::vector<std::string> SplitList(const std::string& text, char separator);

    // Writes the store back when Modified and gives the backup name (empty
    // when none was made); nothing else ever writes the file, not even the
    // destructor, so the caller decides what a failure means. The file is
    // replaced atomically where the directory allows it, else rewritten in
    // place and cut to the new length. Lines end with '\n'.
    Result<std::string> Save(bool backup);
    void Clear();
    // From now on the loaded store belongs to `path`: FilePath names it and
    // Save writes there, making its folder when missing. Nothing happens
    // while no file is loaded.
    void MoveTo(const std::string& path);

    const std::string& FilePath() const { return filePath_; }
    bool Modified() const { return modified_; }
    bool NoCase() const { return noCase_; }
    bool AutoSave() const { return autoSave_; }
    bool BackupOnSave() const { return backupOnSave_; }
    // True after a load that stopped at a read error, until Clear.
    bool LoadIncomplete() const { return loadIncomplete_; }

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* FindSection(const std::string& name) const;
    Section* FindSection(const std::string& name);
    bool Same(const std::string& a, const std::string& b) const;
    std::string ChooseBackupName() const;
    bool ReadInto(int fd);
    void ParseLine(std::string_view rawLine);
    std::string Serialise() const;

    std::vector<Section> sections_;
    std::string filePath_;
    std::string backupName_;
    bool noCase_ = true;
    bool autoSave_ = false;
    bool backupOnSave_ = false;
    bool modified_ = false;
    bool loadIncomplete_ = false;
};

}  // namespace qm530::config
