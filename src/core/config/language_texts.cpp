// Language texts: captions and messages in the user's language.
#include "config/language_texts.h"

namespace vz {

LanguageTexts::LanguageTexts(FileSystem& files, const std::string& fileName)
    : files_(files), fileName_(fileName), ini_(files) {}

void LanguageTexts::reloadIfChanged() {
    const std::optional<FileStamp> stamp = files_.stamp(fileName_);
    if (ini_.fileName() == fileName_ && stamp == loadedStamp_)
        return;
    ini_.setFileName(fileName_);
    loadedStamp_ = stamp;
}

std::string LanguageTexts::LangText(const std::string& section, const std::string& key) {
    reloadIfChanged();
    return ini_.Value(section, key);
}

std::string LanguageTexts::LangTextOr(const std::string& section, const std::string& key,
                                      const std::string& builtIn) {
    const std::string text = LangText(section, key);
    return text == clsINI::NoValue ? builtIn : text;
}

} // namespace vz
