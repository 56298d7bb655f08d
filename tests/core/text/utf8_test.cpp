#include "text/utf8.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(Utf8Test, CharactersAreCodePoints) {
    EXPECT_EQ(utf8::length("Київ"), 4u);
    EXPECT_EQ(utf8::left("Київ", 2), "Ки");
    EXPECT_EQ(utf8::substr("aКиїв", 2, 2), "иї");
    EXPECT_EQ(utf8::substr("Київ", 3), "в");
    EXPECT_EQ(utf8::dropFirst("Їжак"), "жак");
    EXPECT_EQ(utf8::dropLast("жак☺"), "жак");
    EXPECT_EQ(utf8::dropLast(""), "");
}

TEST(Utf8Test, SplitAndOffsets) {
    const std::vector<std::string> expected{"a", "ї", "☺", "𝄞"};
    EXPECT_EQ(utf8::split("aї☺𝄞"), expected);
    EXPECT_EQ(utf8::byteOffset("aї☺", 2), 3u);
    EXPECT_EQ(utf8::byteOffset("aї", 9), 3u);
}

TEST(Utf8Test, ValidityRejectsOverlongSurrogatesAndTruncation) {
    EXPECT_TRUE(utf8::isValid("ascii Київ ☺ 𝄞"));
    EXPECT_FALSE(utf8::isValid("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(utf8::isValid("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(utf8::isValid("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(utf8::isValid("\xD0"));             // cut short
    EXPECT_FALSE(utf8::isValid("\xCF\xF0\xE8"));     // Windows-1251 text
}

TEST(Utf8Test, InvalidBytesCountAsOneCharacterEach) {
    EXPECT_EQ(utf8::length("a\xFF\xD0"), 3u);
    EXPECT_EQ(utf8::decode("\xFF", 0), U'\xFF');
}

TEST(Utf8Test, CutBackStopsBeforeAPartialCharacter) {
    EXPECT_EQ(utf8::cutBackToWhole("abКи", 3), 2u);
    EXPECT_EQ(utf8::cutBackToWhole("abКи", 4), 4u);
    EXPECT_EQ(utf8::cutBackToWhole("ab", 10), 2u);
}

TEST(Utf8Test, EncodeAndDecodeRoundTrip) {
    for (const char32_t cp : {U'A', U'ї', U'€', U'𝄞'}) {
        std::string text;
        utf8::append(text, cp);
        EXPECT_EQ(utf8::decode(text, 0), cp);
        EXPECT_EQ(utf8::sequenceLength(text, 0), text.size());
    }
}

} // namespace
} // namespace vz
