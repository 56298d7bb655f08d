// The server and channel list files: one entry per line, "name<description>".
#include "config/list_file.h"

#include "platform/file_system.h"
#include "text/codec.h"
#include "text/typed_line.h"
#include "text/utf8.h"

#include <algorithm>

namespace vz {

namespace {

constexpr const char* LineEnd = "\r\n";

// An entry as one line of the file: a line break inside it would split it.
std::string fileLine(const std::string& entry) {
    return BlanksForLineBreaks(entry) + LineEnd;
}

} // namespace

// CR LF, CR and LF alone all end a line.
std::vector<std::string> ReadListFile(const FileSystem& files, const std::string& name) {
    std::vector<std::string> entries;
    const auto bytes = files.readFile(name);
    if (!bytes)
        return entries;
    for (std::size_t from = 0; from < bytes->size();) {
        const std::size_t end = std::min(bytes->find_first_of("\r\n", from), bytes->size());
        if (end > from)
            entries.push_back(decodeLine(std::string_view(*bytes).substr(from, end - from)));
        from = end + 1;
    }
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

std::string BeforeAngle(const std::string& entry) {
    return entry.substr(0, entry.find('<'));
}

std::string InsideAngle(const std::string& entry) {
    const std::size_t angle = entry.find('<');
    return angle == std::string::npos ? "" : utf8::dropLast(entry.substr(angle + 1));
}

} // namespace vz
