// Dialog captions taken from the language file.
#pragma once

#include "config/language_texts.h"

#include <string>

namespace vz {

// Sets the caption of the control `name` of a dialog view to [section] key of
// the language file; a caption the file lacks stays as it was.
template <class View>
void SetCaptionFrom(LanguageTexts& texts, View& view, const std::string& name,
                    const std::string& section, const std::string& key) {
    if (const auto text = texts.Find(section, key))
        view.setCaption(name, *text);
}

} // namespace vz
