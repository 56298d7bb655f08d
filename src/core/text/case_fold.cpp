// Comparing names ignoring case, for Latin, Greek and Cyrillic.
#include "text/case_fold.h"

#include "text/utf8.h"

namespace vz {

namespace {

// Upper-case letters from `first` to `last`, taking every `step`-th code
// point, fold to themselves plus `delta`. Step 2 covers the alternating
// upper/lower pairs of Latin Extended-A, Greek and Cyrillic.
struct FoldRange {
    char32_t first;
    char32_t last;
    int step;
    int delta;
};

constexpr FoldRange FoldTable[] = {
    // Basic Latin and Latin-1 Supplement.
    {0x0041, 0x005A, 1, 32},  // A-Z
    {0x00B5, 0x00B5, 1, 775}, // micro sign to Greek mu
    {0x00C0, 0x00D6, 1, 32},  // À-Ö
    {0x00D8, 0x00DE, 1, 32},  // Ø-Þ
    // Latin Extended-A (İ U+0130 and ı U+0131 have no simple folding).
    {0x0100, 0x012E, 2, 1},    // Ā-Į
    {0x0132, 0x0136, 2, 1},    // Ĳ-Ķ
    {0x0139, 0x0147, 2, 1},    // Ĺ-Ň
    {0x014A, 0x0176, 2, 1},    // Ŋ-Ŷ
    {0x0178, 0x0178, 1, -121}, // Ÿ to ÿ
    {0x0179, 0x017D, 2, 1},    // Ź-Ž
    {0x017F, 0x017F, 1, -268}, // long s to s
    // Greek and Coptic.
    {0x0370, 0x0372, 2, 1},    // Ͱ Ͳ
    {0x0376, 0x0376, 1, 1},    // Ͷ
    {0x037F, 0x037F, 1, 116},  // Ϳ
    {0x0386, 0x0386, 1, 38},   // Ά
    {0x0388, 0x038A, 1, 37},   // Έ-Ί
    {0x038C, 0x038C, 1, 64},   // Ό
    {0x038E, 0x038F, 1, 63},   // Ύ Ώ
    {0x0391, 0x03A1, 1, 32},   // Α-Ρ
    {0x03A3, 0x03AB, 1, 32},   // Σ-Ϋ
    {0x03C2, 0x03C2, 1, 1},    // final sigma to sigma
    {0x03CF, 0x03CF, 1, 8},    // Ϗ
    {0x03D0, 0x03D0, 1, -30},  // ϐ to β
    {0x03D1, 0x03D1, 1, -25},  // ϑ to θ
    {0x03D5, 0x03D5, 1, -15},  // ϕ to φ
    {0x03D6, 0x03D6, 1, -22},  // ϖ to π
    {0x03D8, 0x03EE, 2, 1},    // Ϙ-Ϯ
    {0x03F0, 0x03F0, 1, -54},  // ϰ to κ
    {0x03F1, 0x03F1, 1, -48},  // ϱ to ρ
    {0x03F4, 0x03F4, 1, -60},  // ϴ to θ
    {0x03F5, 0x03F5, 1, -64},  // ϵ to ε
    {0x03F7, 0x03F7, 1, 1},    // Ϸ
    {0x03F9, 0x03F9, 1, -7},   // Ϲ to ϲ
    {0x03FA, 0x03FA, 1, 1},    // Ϻ
    {0x03FD, 0x03FF, 1, -130}, // Ͻ-Ͽ
    // Cyrillic.
    {0x0400, 0x040F, 1, 80}, // Ѐ-Џ, Ukrainian Є І Ї included
    {0x0410, 0x042F, 1, 32}, // А-Я
    {0x0460, 0x0480, 2, 1},  // Ѡ-Ҁ
    {0x048A, 0x04BE, 2, 1},  // Ҋ-Ҿ, Ukrainian Ґ included
    {0x04C0, 0x04C0, 1, 15}, // Ӏ
    {0x04C1, 0x04CD, 2, 1},  // Ӂ-Ӎ
    {0x04D0, 0x04FE, 2, 1},  // Ӑ-Ӿ
};

} // namespace

char32_t foldCodePoint(char32_t cp) {
    for (const FoldRange& range : FoldTable) {
        if (cp < range.first)
            break;
        if (cp <= range.last && (cp - range.first) % range.step == 0)
            return static_cast<char32_t>(static_cast<int>(cp) + range.delta);
    }
    return cp;
}

std::string foldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const auto lead = static_cast<unsigned char>(s[pos]);
        const std::size_t len = utf8::sequenceLength(s, pos);
        if (lead < 0x80)
            out += static_cast<char>(foldCodePoint(lead));
        else if (len == 1)
            out += s[pos]; // an invalid byte is no letter
        else
            utf8::append(out, foldCodePoint(utf8::decode(s, pos)));
        pos += len;
    }
    return out;
}

namespace {

// The folded code point at `pos`; an invalid byte maps beyond Unicode so that
// it only ever equals the same invalid byte.
char32_t foldedAt(std::string_view s, std::size_t pos, std::size_t len) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (len == 1 && lead >= 0x80)
        return 0x110000 + lead;
    return foldCodePoint(len == 1 ? lead : utf8::decode(s, pos));
}

} // namespace

// Compares code point by code point without building folded copies: nick
// lookups run for every member of every channel on each QUIT and NICK.
bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t lenA = utf8::sequenceLength(a, i);
        const std::size_t lenB = utf8::sequenceLength(b, j);
        if (foldedAt(a, i, lenA) != foldedAt(b, j, lenB))
            return false;
        i += lenA;
        j += lenB;
    }
    return i == a.size() && j == b.size();
}

} // namespace vz
