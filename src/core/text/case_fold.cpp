#include "text/case_fold.h"

#include "text/utf8.h"

namespace vz {

char32_t foldCodePoint(char32_t cp) {
    if (cp >= U'A' && cp <= U'Z')
        return cp + 32;
    return cp;
}

std::string foldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t len = utf8::sequenceLength(s, pos);
        if (len == 1)
            out += static_cast<char>(foldCodePoint(static_cast<unsigned char>(s[pos])));
        else
            utf8::append(out, foldCodePoint(utf8::decode(s, pos)));
        pos += len;
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) { return foldCase(a) == foldCase(b); }

} // namespace vz
