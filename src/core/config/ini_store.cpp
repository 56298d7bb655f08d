// The INI store: settings files read, looked up and written back.
#include "config/ini_store.h"

#include "platform/file_system.h"
#include "text/case_fold.h"
#include "text/codec.h"

namespace vz {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Every line of `bytes`, decoded; CR LF, CR and LF alone all end a line.
// Empty pieces between CR and LF are left out, as loading skips them anyway.
std::vector<std::string> splitLines(std::string_view bytes) {
    if (bytes.substr(0, Utf8Bom.size()) == Utf8Bom)
        bytes.remove_prefix(Utf8Bom.size());
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", from);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (end > from)
            lines.push_back(decodeLine(bytes.substr(from, end - from)));
        from = end + 1;
    }
    return lines;
}

// Removes blanks (character 32 only) at both ends.
std::string trimBlanks(const std::string& line) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// A line as loading sees it: trimmed, comment cut off; empty when skipped.
std::string lineWithoutComment(const std::string& raw) {
    const std::string line = trimBlanks(raw);
    return line.substr(0, line.find(';'));
}

// A name or value written to the file: line breaks, which would split the
// line, are left out.
std::string withoutLineBreaks(const std::string& text) {
    std::string out;
    for (const char c : text)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

// A value as written: a missing value is written as empty, and blanks at its
// end go too, as the next load would drop them anyway; so a file written once
// is written again byte for byte. (A name is written as it is, even one that
// reads like the missing value.)
std::string valueText(const std::string& value) {
    std::string out = withoutLineBreaks(ValueOrEmpty(value));
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

// The first item of `items` whose Name matches `name` ignoring case.
template <typename Items>
auto findByName(Items& items, const std::string& name) -> decltype(items.data()) {
    const std::string wanted = foldCase(name);
    for (auto& item : items)
        if (foldCase(item.Name) == wanted)
            return &item;
    return nullptr;
}

// A file that keeps a password, under any section, is for its owner's eyes.
FileAccess accessFor(const std::vector<IniSection>& sections) {
    const std::string password = foldCase("Password");
    for (const IniSection& section : sections)
        for (const IniEntry& entry : section.Entries)
            if (foldCase(entry.Name) == password && !ValueOrEmpty(entry.Value).empty())
                return FileAccess::OwnerOnly;
    return FileAccess::Usual;
}

} // namespace

const std::string clsINI::NoValue(1, '\0');

std::string ValueOrEmpty(const std::string& value) {
    return value == clsINI::NoValue ? "" : value;
}

clsINI::clsINI(FileSystem& files) : files_(files) {}

void clsINI::setFileName(const std::string& vData) {
    FileName = vData;
    Sections.clear();
    loadFailed_ = false;
    if (!files_.isFile(vData))
        return;
    const auto bytes = files_.readFile(vData);
    if (!bytes) {
        loadFailed_ = true;
        return;
    }
    for (const std::string& line : splitLines(*bytes))
        loadLine(lineWithoutComment(line));
}

void clsINI::loadLine(const std::string& line) {
    if (line.empty())
        return;
    if (line[0] == '[') {
        const std::size_t close = line.find(']');
        if (close != std::string::npos && close > 1)
            Sections.push_back(IniSection{line.substr(1, close - 1), {}});
        return;
    }
    const std::size_t equals = line.find('=');
    if (Sections.empty() || equals == std::string::npos || equals == 0)
        return;
    Sections.back().Entries.push_back(IniEntry{line.substr(0, equals), line.substr(equals + 1)});
}

const IniEntry* clsINI::findEntry(const std::string& Section, const std::string& ValueName) const {
    const IniSection* section = findByName(Sections, Section);
    return section ? findByName(section->Entries, ValueName) : nullptr;
}

bool clsINI::SectionExists(const std::string& Section) const {
    return findByName(Sections, Section) != nullptr;
}

bool clsINI::AddSection(const std::string& Section) {
    if (SectionExists(Section))
        return false;
    Sections.push_back(IniSection{Section, {}});
    return true;
}

bool clsINI::RemoveSection(const std::string& Section) {
    const IniSection* section = findByName(Sections, Section);
    if (!section)
        return false;
    Sections.erase(Sections.begin() + (section - Sections.data()));
    return true;
}

bool clsINI::ValueExists(const std::string& Section, const std::string& ValueName) const {
    return findEntry(Section, ValueName) != nullptr;
}

std::string clsINI::Value(const std::string& Section, const std::string& ValueName) const {
    const IniEntry* entry = findEntry(Section, ValueName);
    return entry ? entry->Value : NoValue;
}

void clsINI::setValue(const std::string& Section, const std::string& ValueName,
                      const std::string& vData) {
    IniSection* section = findByName(Sections, Section);
    if (!section) {
        Sections.push_back(IniSection{Section, {IniEntry{ValueName, vData}}});
        return;
    }
    if (IniEntry* entry = findByName(section->Entries, ValueName))
        entry->Value = vData;
    else
        section->Entries.push_back(IniEntry{ValueName, vData});
}

bool clsINI::AddValue(const std::string& Section, const std::string& ValueName,
                      const std::string& lValue) {
    AddSection(Section);
    IniSection& section = *findByName(Sections, Section);
    if (findByName(section.Entries, ValueName))
        return false;
    section.Entries.push_back(IniEntry{ValueName, lValue});
    return true;
}

bool clsINI::RemoveValue(const std::string& Section, const std::string& ValueName) {
    IniSection* section = findByName(Sections, Section);
    const IniEntry* entry = section ? findByName(section->Entries, ValueName) : nullptr;
    if (!entry)
        return false;
    section->Entries.erase(section->Entries.begin() + (entry - section->Entries.data()));
    return true;
}

int clsINI::ValuesCount(const std::string& Section) const {
    const IniSection* section = findByName(Sections, Section);
    return section ? static_cast<int>(section->Entries.size()) : -1;
}

std::string clsINI::ValueName(const std::string& Section, int Index) const {
    const IniSection* section = findByName(Sections, Section);
    if (!section || Index < 1 || Index > static_cast<int>(section->Entries.size()))
        return NoValue;
    return section->Entries[Index - 1].Name;
}

std::string clsINI::SectionName(int Index) const {
    if (Index < 1 || Index > SectionsCount())
        return NoValue;
    return Sections[Index - 1].Name;
}

int clsINI::SectionsCount() const {
    return static_cast<int>(Sections.size());
}

bool clsINI::UpdateFile() {
    if (FileName.empty() || loadFailed_)
        return false;
    std::string text;
    for (const IniSection& section : Sections) {
        text += "[" + withoutLineBreaks(section.Name) + "]\r\n";
        for (const IniEntry& entry : section.Entries)
            text += withoutLineBreaks(entry.Name) + "=" + valueText(entry.Value) + "\r\n";
        text += "\r\n";
    }
    return files_.writeFileAtomic(FileName, text, accessFor(Sections));
}

} // namespace vz
