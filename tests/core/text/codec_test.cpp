#include "text/codec.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(CodecTest, ValidUtf8StaysAsItIs) {
    EXPECT_EQ(decodeLine("plain ascii"), "plain ascii");
    EXPECT_EQ(decodeLine("Привіт, світе ☺"), "Привіт, світе ☺");
    EXPECT_EQ(decodeLine(""), "");
}

TEST(CodecTest, AnythingElseIsWindows1251) {
    EXPECT_EQ(decodeLine("\xCF\xF0\xE8\xE2\xB3\xF2"), "Привіт");
    EXPECT_EQ(decodeLine("\xC0\xFF"), "Ая");
    // One bad byte makes the whole line Windows-1251, ASCII included.
    EXPECT_EQ(decodeLine("ok \xE9"), "ok й");
}

TEST(CodecTest, UkrainianAndPunctuationOfTheUpperHalf) {
    EXPECT_EQ(fromWindows1251("\xA5\xB4\xAA\xBA\xB2\xB3\xAF\xBF"), "ҐґЄєІіЇї");
    EXPECT_EQ(fromWindows1251("\xA8\xB8\xA1\xA2"), "ЁёЎў");
    EXPECT_EQ(fromWindows1251("\x80\x8A\x9A\x9F"), "ЂЉљџ");
    EXPECT_EQ(fromWindows1251("\x85\x88\x93\x94\x96\x97\x99\xB9"), "…€“”–—™№");
    EXPECT_EQ(fromWindows1251("\xA0\xAB\xBB\xB0\xB1"), "\u00A0«»°±");
}

TEST(CodecTest, UndefinedByteBecomesTheReplacementCharacter) {
    EXPECT_EQ(fromWindows1251("a\x98z"), "a\uFFFDz");
}

} // namespace
} // namespace vz
