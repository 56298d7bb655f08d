// UTF-8 strings counted and cut by code point.
#include "text/utf8.h"

namespace vz::utf8 {

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

std::size_t expectedLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool secondByteInRange(unsigned char lead, unsigned char second) {
    switch (lead) {
    case 0xE0:
        return second >= 0xA0;
    case 0xED:
        return second <= 0x9F;
    case 0xF0:
        return second >= 0x90;
    case 0xF4:
        return second <= 0x8F;
    default:
        return true;
    }
}

} // namespace

std::size_t sequenceLength(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    const std::size_t need = expectedLength(lead);
    if (need <= 1 || pos + need > s.size())
        return 1;
    if (!secondByteInRange(lead, static_cast<unsigned char>(s[pos + 1])))
        return 1;
    for (std::size_t i = 1; i < need; ++i)
        if (!isContinuation(static_cast<unsigned char>(s[pos + i])))
            return 1;
    return need;
}

bool isValid(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();) {
        const auto lead = static_cast<unsigned char>(s[pos]);
        const std::size_t len = sequenceLength(s, pos);
        if (len == 1 && lead >= 0x80)
            return false;
        pos += len;
    }
    return true;
}

std::size_t length(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += sequenceLength(s, pos))
        ++count;
    return count;
}

std::vector<std::string> split(std::string_view s) {
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t len = sequenceLength(s, pos);
        out.emplace_back(s.substr(pos, len));
        pos += len;
    }
    return out;
}

std::size_t byteOffset(std::string_view s, std::size_t index) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < s.size(); ++i)
        pos += sequenceLength(s, pos);
    return pos;
}

std::string substr(std::string_view s, std::size_t start, std::size_t count) {
    const std::size_t from = byteOffset(s, start);
    if (count == std::string::npos)
        return std::string(s.substr(from));
    const std::size_t to = from + byteOffset(s.substr(from), count);
    return std::string(s.substr(from, to - from));
}

std::string left(std::string_view s, std::size_t count) {
    return substr(s, 0, count);
}

std::string dropFirst(std::string_view s) {
    return substr(s, 1);
}

std::string dropLast(std::string_view s) {
    if (s.empty())
        return {};
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += sequenceLength(s, pos))
        last = pos;
    return std::string(s.substr(0, last));
}

std::size_t cutBackToWhole(std::string_view s, std::size_t maxBytes) {
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t len = sequenceLength(s, pos);
        if (pos + len > maxBytes)
            break;
        pos += len;
    }
    return pos;
}

char32_t decode(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    const std::size_t len = sequenceLength(s, pos);
    if (len == 1)
        return lead;
    char32_t cp = lead & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    return cp;
}

void append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace vz::utf8
