// Language texts: captions and messages in the user's language.
#include "config/language_texts.h"

namespace vz {

LanguageTexts::LanguageTexts(FileSystem& files, const std::string& fileName)
    : files_(files), fileName_(fileName), ini_(files) {}

void LanguageTexts::reloadIfChanged() {
    const std::string name = chosenFile();
    const std::optional<FileStamp> stamp = files_.stamp(name);
    if (ini_.fileName() == name && stamp == loadedStamp_)
        return;
    ini_.setFileName(name);
    loadedStamp_ = stamp;
}

std::optional<std::string> LanguageTexts::Find(const std::string& section, const std::string& key) {
    reloadIfChanged();
    if (!ini_.ValueExists(section, key))
        return std::nullopt;
    return ini_.Value(section, key);
}

std::string LanguageTexts::LangTextOr(const std::string& section, const std::string& key,
                                      const std::string& builtIn) {
    return Find(section, key).value_or(builtIn);
}

} // namespace vz
