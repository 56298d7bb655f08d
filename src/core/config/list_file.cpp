// The server and channel list files: one entry per line, "name<description>".
#include "config/list_file.h"

#include "platform/file_system.h"
#include "text/file_lines.h"
#include "text/typed_line.h"

namespace vz {

namespace {

constexpr const char* LineEnd = "\r\n";

// An entry as one line of the file: a line break inside it would split it.
std::string fileLine(const std::string& entry) {
    return BlanksForLineBreaks(entry) + LineEnd;
}

} // namespace

std::vector<std::string> ReadListFile(const FileSystem& files, const std::string& name) {
    std::vector<std::string> entries;
    for (std::string& line : FileLines(files.readFile(name).value_or("")))
        if (!line.empty())
            entries.push_back(std::move(line));
    return entries;
}

bool WriteListFile(FileSystem& files, const std::string& name,
                   const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries)
        if (!entry.empty())
            text += fileLine(entry);
    return files.writeFileAtomic(name, text);
}

// The file is written whole, so a crash never leaves half a line; a last
// line without its line end gets one first. An empty entry adds no line.
bool AppendListEntry(FileSystem& files, const std::string& name, const std::string& entry) {
    if (entry.empty())
        return true;
    std::string text = files.readFile(name).value_or("");
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += LineEnd;
    return files.writeFileAtomic(name, text + fileLine(entry));
}

std::string ListEntry(const std::string& name, const std::string& description) {
    return description.empty() ? name : name + "<" + description + ">";
}

} // namespace vz
