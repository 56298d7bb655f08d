#include "text/case_fold.h"
#include "text/codec.h"
#include "text/typed_line.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vz {
namespace {

TEST(Utf8Test, CharactersAreCodePointsAndInvalidBytesOneEach) {
    EXPECT_EQ(utf8::length("Київ"), 4u);
    EXPECT_EQ(utf8::length("a\xFF\xD0"), 3u);
    EXPECT_EQ(utf8::left("Київ", 2), "Ки");
    EXPECT_EQ(utf8::substr("aКиїв", 2, 2), "иї");
    EXPECT_EQ(utf8::substr("Київ", 3), "в");
    EXPECT_EQ(utf8::dropFirst("Їжак"), "жак");
    EXPECT_EQ(utf8::dropLast("жак☺"), "жак");
    EXPECT_EQ(utf8::dropLast(""), "");
    EXPECT_EQ(utf8::split("aї☺𝄞"), (std::vector<std::string>{"a", "ї", "☺", "𝄞"}));
    EXPECT_EQ(utf8::byteOffset("aї☺", 2), 3u);
    EXPECT_EQ(utf8::byteOffset("aї", 9), 3u);
    EXPECT_EQ(utf8::cutBackToWhole("abКи", 3), 2u);
    EXPECT_EQ(utf8::cutBackToWhole("abКи", 4), 4u);
    EXPECT_EQ(utf8::cutBackToWhole("ab", 10), 2u);
    EXPECT_EQ(utf8::decode("\xFF", 0), U'\xFF');
    EXPECT_TRUE(utf8::isValid("ascii Київ ☺ 𝄞 \u07FF\u0800")); // the edges of two lead bytes
    // overlong "/", surrogate, above U+10FFFF, cut short, Windows-1251
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xD0", "\xCF\xF0\xE8"})
        EXPECT_FALSE(utf8::isValid(bad)) << bad;
    for (const char32_t cp : {U'A', U'ї', U'€', U'\U00010000'}) {
        std::string text;
        utf8::append(text, cp);
        EXPECT_EQ(utf8::decode(text, 0), cp);
        EXPECT_EQ(utf8::sequenceLength(text, 0), text.size());
    }
}

// Each text converts to the second; a folded text also equals the first
// ignoring case.
TEST(TextConversionTest, DecodingCaseFoldingAndLineBreaks) {
    using Convert = std::string (*)(std::string_view);
    const std::tuple<Convert, const char*, const char*> rows[] = {
        // valid UTF-8 stays; any other line is Windows-1251, ASCII included
        {decodeLine, "", ""},
        {decodeLine, "Привіт, світе ☺", "Привіт, світе ☺"},
        {decodeLine, "ok \xCF\xF0\xE8\xE2\xB3\xF2", "ok Привіт"},
        {decodeLine, "\xC0\xFF", "Ая"},
        {decodeLine, "\xA5\xB4\xAA\xBA\xB2\xB3\xAF\xBF", "ҐґЄєІіЇї"},
        {decodeLine, "\x80\x8A\x9A\x9F\xA8\xB8\xA1\xA2", "ЂЉљџЁёЎў"},
        {decodeLine, "\x85\x88\x93\x94\x96\x97\x99\xB9\xA0\xAB\xBB\xB0\xB1", "…€“”–—™№\u00A0«»°±"},
        {decodeLine, "a\x98z", "a\uFFFDz"}, // undefined in Windows-1251
        // Latin, Greek and Cyrillic fold; invalid bytes and other scripts stay
        {foldCase, "", ""},
        {foldCase, "Hello WORLD 123", "hello world 123"},
        {foldCase, "ÀÉÎÕÜÞ×Ø ß µ", "àéîõüþ×ø ß μ"},
        {foldCase, "ĀĆČĐĘĞĲĹŁŃŐŒŠŸŹŻŽ ſ İı", "āćčđęğĳĺłńőœšÿźżž s İı"},
        {foldCase, "ΑΒΓΔΩ ΆΈΉΊΌΎΏΪΫ ΟΔΟΣ ς", "αβγδω άέήίόύώϊϋ οδοσ σ"},
        {foldCase, "#АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "#абвгдежзийклмнопрстуфхцчшщъыьэюя"},
        {foldCase, "ҐЄІЇЁЎЂЉЊЋЏ ѢӀӁӐӨ", "ґєіїёўђљњћџ ѣӏӂӑө"},
        {foldCase, "\xC0\xC1X 日本 ☺ € A\xE9", "\xC0\xC1x 日本 ☺ € a\xE9"},
        // every line break becomes one blank
        {BlanksForLineBreaks, "\r\nb\rc\nd\n\ne\r\n", " b c d  e "},
        {BlanksForLineBreaks, "\r\r\n", "  "},
    };
    for (const auto& [convert, text, converted] : rows) {
        EXPECT_EQ(convert(text), converted) << text;
        EXPECT_TRUE(convert != &foldCase || equalsIgnoreCase(text, converted)) << text;
    }
    // An invalid byte only equals itself.
    for (const auto& [a, b] :
         {std::pair{"Nick", "Nick_"}, {"", "a"}, {"i", "İ"}, {"\xE9", "é"}, {"\xC3", "\xC3\xA9"}})
        EXPECT_FALSE(equalsIgnoreCase(a, b)) << a << " / " << b;
}

} // namespace
} // namespace vz
