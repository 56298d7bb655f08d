// Reading and saving files with QFile and QSaveFile.
#pragma once

#include "platform/file_system.h"

namespace vz {

// Files through QFile; paths are UTF-8 and relative to the working directory.
class QtFileSystem : public FileSystem {
public:
    bool isFile(const std::string& path) const override;
    std::optional<FileStamp> stamp(const std::string& path) const override;
    std::optional<std::string> readFile(const std::string& path) const override;
    bool writeFileAtomic(const std::string& path, const std::string& data,
                         FileAccess access = FileAccess::Usual) override;
    std::unique_ptr<AppendingFile> openAppending(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder,
                                       const std::string& pattern) const override;
};

} // namespace vz
