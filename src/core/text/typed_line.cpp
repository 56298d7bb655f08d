// Turning what the user typed or pasted into one protocol-safe line.
#include "text/typed_line.h"

namespace vz {

std::string BlanksForLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += c == '\r' || c == '\n' ? ' ' : c;
    }
    return out;
}

} // namespace vz
