// Language texts: captions and messages in the user's language.
#pragma once

#include "config/ini_store.h"
#include "platform/file_system.h"

#include <optional>
#include <string>

namespace vz {

// The texts of the chosen language file. The file is read again only when its
// name, modification time or size changed since it was last read, so an
// edited file takes effect at the next lookup without a read per caption.
class LanguageTexts {
public:
    // The file read while no file is chosen.
    static constexpr const char* DefaultFile = "Ukrainian.lng";

    // `fileName` is the caller's variable holding the chosen file's name; it is
    // read at every lookup.
    LanguageTexts(FileSystem& files, const std::string& fileName);

    // [section] key of the file; nothing when it has no such text.
    std::optional<std::string> Find(const std::string& section, const std::string& key);
    // The same, or "" when the file has no such text (a missing word of a
    // window title reads as no word).
    std::string LangText(const std::string& section, const std::string& key) {
        return Find(section, key).value_or("");
    }
    // The same, or `builtIn` while the file has no such text.
    std::string LangTextOr(const std::string& section, const std::string& key,
                           const std::string& builtIn);

private:
    void reloadIfChanged();
    std::string chosenFile() const { return fileName_.empty() ? DefaultFile : fileName_; }

    FileSystem& files_;
    const std::string& fileName_;
    clsINI ini_;
    // The stamp of the file when `ini_` read it; a new store holds what a
    // missing file gives.
    std::optional<FileStamp> loadedStamp_;
};

} // namespace vz
