#include "text/case_fold.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(CaseFoldTest, LatinAndLatin1) {
    EXPECT_EQ(foldCase("Hello WORLD 123"), "hello world 123");
    EXPECT_EQ(foldCase("ÀÉÎÕÜÞ×Ø"), "àéîõüþ×ø");
    EXPECT_EQ(foldCase("ß"), "ß");
    EXPECT_EQ(foldCase("µ"), "μ");
}

TEST(CaseFoldTest, LatinExtendedA) {
    EXPECT_EQ(foldCase("ĀĆČĐĘĞĲĹŁŃŐŒŠŸŹŻŽ"), "āćčđęğĳĺłńőœšÿźżž");
    EXPECT_EQ(foldCase("ſ"), "s");
    EXPECT_EQ(foldCase("İı"), "İı");
}

TEST(CaseFoldTest, GreekWithAccentsAndFinalSigma) {
    EXPECT_EQ(foldCase("ΑΒΓΔΩ"), "αβγδω");
    EXPECT_EQ(foldCase("ΆΈΉΊΌΎΏΪΫ"), "άέήίόύώϊϋ");
    EXPECT_EQ(foldCase("ΟΔΟΣ"), foldCase("οδος"));
    EXPECT_EQ(foldCase("ς"), "σ");
}

TEST(CaseFoldTest, CyrillicWithUkrainianLetters) {
    EXPECT_EQ(foldCase("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"), "абвгдежзийклмнопрстуфхцчшщъыьэюя");
    EXPECT_EQ(foldCase("ҐЄІЇЁЎЂЉЊЋЏ"), "ґєіїёўђљњћџ");
    EXPECT_EQ(foldCase("ѢӀӁӐӨ"), "ѣӏӂӑө");
}

TEST(CaseFoldTest, InvalidBytesAndOtherScriptsStay) {
    EXPECT_EQ(foldCase("\xC0\xC1X"), "\xC0\xC1x");
    EXPECT_EQ(foldCase("日本 ☺"), "日本 ☺");
    EXPECT_EQ(foldCodePoint(U'€'), U'€');
}

TEST(CaseFoldTest, EqualsIgnoreCase) {
    EXPECT_TRUE(equalsIgnoreCase("#Київ", "#КИЇВ"));
    EXPECT_TRUE(equalsIgnoreCase("Nick", "NICK"));
    EXPECT_FALSE(equalsIgnoreCase("Nick", "Nick_"));
    EXPECT_FALSE(equalsIgnoreCase("i", "İ"));
    EXPECT_FALSE(equalsIgnoreCase("", "a"));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
    EXPECT_TRUE(equalsIgnoreCase("ΣΟΦΊΑ", "σοφία"));
}

TEST(CaseFoldTest, InvalidBytesOnlyEqualThemselves) {
    EXPECT_TRUE(equalsIgnoreCase("a\xE9", "A\xE9"));
    EXPECT_FALSE(equalsIgnoreCase("\xE9", "é"));
    EXPECT_FALSE(equalsIgnoreCase("\xC3", "\xC3\xA9"));
}

} // namespace
} // namespace vz
