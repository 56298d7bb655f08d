// Finding the nick-like word under the mouse pointer.
#include "windows/word_under_pointer.h"

#include "text/utf8.h"

namespace vz {

bool IsNickChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Nick characters are single ASCII bytes, which never occur inside a longer
// UTF-8 sequence, so the run can be widened byte by byte.
std::string WordAt(const std::string& text, int index) {
    if (index < 0)
        return {};
    const std::size_t at = utf8::byteOffset(text, static_cast<std::size_t>(index));
    if (at >= text.size() || !IsNickChar(text[at]))
        return {};
    std::size_t first = at;
    while (first > 0 && IsNickChar(text[first - 1]))
        --first;
    std::size_t end = at + 1;
    while (end < text.size() && IsNickChar(text[end]))
        ++end;
    return text.substr(first, end - first);
}

} // namespace vz
