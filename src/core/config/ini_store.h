// The INI store: settings files read, looked up and written back.
#pragma once

#include <string>
#include <vector>

namespace vz {

class FileSystem;

struct IniEntry {
    std::string Name;
    std::string Value;
};

struct IniSection {
    std::string Name;
    std::vector<IniEntry> Entries;
};

// An INI-style text file held in memory. Names match ignoring case; the
// first of duplicate sections or keys is the one found.
class clsINI {
public:
    // The one-character string of code 0 that lookups return for nothing.
    static const std::string NoValue;

    explicit clsINI(FileSystem& files);

    // Remembers the path and (re)loads the file; a missing file loads empty.
    void setFileName(const std::string& vData);
    const std::string& fileName() const { return FileName; }
    // The file exists but could not be read: the store is empty and refuses
    // to write over it, so the user's file is never lost.
    bool loadFailed() const { return loadFailed_; }

    bool SectionExists(const std::string& Section) const;
    bool AddSection(const std::string& Section);
    bool RemoveSection(const std::string& Section);
    bool ValueExists(const std::string& Section, const std::string& ValueName) const;
    std::string Value(const std::string& Section, const std::string& ValueName) const;
    void setValue(const std::string& Section, const std::string& ValueName,
                  const std::string& vData);
    bool AddValue(const std::string& Section, const std::string& ValueName,
                  const std::string& lValue = "");
    bool RemoveValue(const std::string& Section, const std::string& ValueName);
    int ValuesCount(const std::string& Section) const;
    std::string ValueName(const std::string& Section, int Index) const;
    std::string SectionName(int Index) const;
    int SectionsCount() const;
    // Writes the whole store atomically; false when there is no file name,
    // the load failed, or the file cannot be written (the old file then stays
    // as it was). While a key named Password holds a value, the file is
    // written readable by its owner alone.
    bool UpdateFile();

private:
    // Adds one line of the file (already trimmed and cut at ";") to the store.
    void loadLine(const std::string& line);
    const IniEntry* findEntry(const std::string& Section, const std::string& ValueName) const;

    FileSystem& files_;
    std::string FileName;
    std::vector<IniSection> Sections;
    bool loadFailed_ = false;
};

// The value, or "" when it is missing: for text that goes to the wire or a file.
std::string ValueOrEmpty(const std::string& value);

} // namespace vz
