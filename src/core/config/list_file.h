// The server and channel list files: one entry per line, "name<description>".
#pragma once

#include <string>
#include <vector>

namespace vz {

class FileSystem;

// The server list file, read and written under this one name.
constexpr const char* ServerListFile = "Server.txt";

// The non-empty lines of a list file in file order; none when it is missing.
std::vector<std::string> ReadListFile(const FileSystem& files, const std::string& name);
// Writes the non-empty entries, one per line, over the whole file at once.
bool WriteListFile(FileSystem& files, const std::string& name,
                   const std::vector<std::string>& entries);
// Adds `entry` as the file's last line; the file is made when it is missing.
// An empty entry adds nothing.
bool AppendListEntry(FileSystem& files, const std::string& name, const std::string& entry);

// The entry for a name with a description: "name<description>", or the name
// alone when the description is empty.
std::string ListEntry(const std::string& name, const std::string& description);

} // namespace vz
