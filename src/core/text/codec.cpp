#include "text/codec.h"

#include "text/utf8.h"

namespace vz {

std::string fromWindows1251(std::string_view bytes) {
    // Placeholder table: replaced by the full code page.
    std::string out;
    for (const char c : bytes)
        utf8::append(out, static_cast<unsigned char>(c));
    return out;
}

std::string decodeLine(std::string_view bytes) {
    if (utf8::isValid(bytes))
        return std::string(bytes);
    return fromWindows1251(bytes);
}

} // namespace vz
