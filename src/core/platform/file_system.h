// Reading and writing the files the program keeps in its working directory.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vz {

// What tells one version of a file from the next without reading it.
struct FileStamp {
    std::int64_t modifiedMs = 0; // modification time, ms since the epoch
    std::int64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

// A file kept open for appending, for a writer that appends often.
class AppendingFile {
public:
    AppendingFile() = default;
    AppendingFile(const AppendingFile&) = delete;
    AppendingFile& operator=(const AppendingFile&) = delete;
    virtual ~AppendingFile() = default;
    // Appends `data` and flushes it. When the name no longer leads to the
    // open file (moved or deleted), the file of that name is opened, or
    // created, first: nothing is written to a file the name lost.
    virtual bool append(const std::string& data) = 0;
};

// Who may read a file that is written: as the folder gives it, or its owner
// alone (a file that holds a password).
enum class FileAccess { Usual, OwnerOnly };

// Files relative to the working directory. Contents are raw bytes.
class FileSystem {
public:
    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    virtual bool isFile(const std::string& path) const = 0;
    // Modification time and size of an ordinary file; nothing when it is missing.
    virtual std::optional<FileStamp> stamp(const std::string& path) const = 0;
    // The whole file, or nothing when it is missing or cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) const = 0;
    // Writes a temporary file beside `path` and renames it over `path`;
    // false (old file intact) when that fails. OwnerOnly makes the new file
    // readable and writable by its owner alone before it takes the name.
    virtual bool writeFileAtomic(const std::string& path, const std::string& data,
                                 FileAccess access = FileAccess::Usual) = 0;
    // A file to append to again and again; it is opened (created when
    // missing) at the first append, and a failed open is tried again at the next.
    virtual std::unique_ptr<AppendingFile> openAppending(const std::string& path) = 0;
    // File names (without folder) in `folder` that match a `*`/`?` pattern,
    // sorted in byte order, so every file system lists them alike.
    virtual std::vector<std::string> listFiles(const std::string& folder,
                                               const std::string& pattern) const = 0;
};

} // namespace vz
