// Splitting text at blanks (or another separator) and joining words back.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

// `text` split at every `separator`; two separators in a row give an empty
// item, and an empty text gives one empty item.
std::vector<std::string> SplitAll(std::string_view text, char separator);

// left/right get the text around the first `sep`; both the whole source when
// it has none. `source` may be the same object as `left` or `right`.
void SplitAtFirst(const std::string& source, char sep, std::string& left, std::string& right);

// Words first..last (last = -1: the final word) joined by blanks, CRs removed;
// empty when first < 1, last beyond the words, or first > last. Words are
// numbered from 1: words[0] is not a word.
std::string GetWords(std::span<const std::string> words, int first, int last);

// True when `text` holds `nick` (case ignored) as a whole word: no letter,
// digit or other character that a nick may hold right before or after it.
// Bytes of non-ASCII characters count as letters.
bool MentionsNick(std::string_view text, std::string_view nick);

// A list entry "name<description>": the text before the first "<" (the whole
// entry without one) ...
std::string BeforeAngle(std::string_view entry);
// ... and the text after the first "<" without the entry's last character
// (empty without a "<").
std::string InsideAngle(std::string_view entry);

} // namespace vz
