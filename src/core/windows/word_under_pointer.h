// Finding the nick-like word under the mouse pointer.
#pragma once

#include <string>

namespace vz {

// Nick characters: ASCII letters, digits and "_".
bool IsNickChar(char c);

// The word under the pointer: the longest run of nick characters in `text`
// that holds the character at code point `index`; empty when that character
// is no nick character or there is none (index -1 or past the end).
std::string WordAt(const std::string& text, int index);

} // namespace vz
