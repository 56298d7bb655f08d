// Typed text between the Latin and Cyrillic alphabets and keyboard layouts, by
// the rules of the transliteration file.
#pragma once

#include "platform/desktop.h"

#include <string>
#include <string_view>

namespace vz {

class FileSystem;

constexpr const char* TranslitFileName = "trans.ini";

// Latin transliteration to Cyrillic ([2Rus], `toLatin` false) or Cyrillic to
// Latin ([2Lat], `toLatin` true). The file is read afresh on every call; a
// letter whose key it lacks stays as it was.
std::string Translit(FileSystem& files, std::string_view text, bool toLatin);

struct LayoutSwap {
    std::string text;
    // The layout the text was meant for.
    KeyboardLayout layout;
};

// `text` read as if typed on the other keyboard layout ([Raskl]): the
// direction with more characters found in its layout wins, a tie converts
// to Cyrillic.
LayoutSwap SwapLayoutText(FileSystem& files, std::string_view text);
// As SwapLayoutText, and makes the layout the text was meant for the active one.
std::string SwapLayout(FileSystem& files, Desktop& desktop, std::string_view text);

} // namespace vz
