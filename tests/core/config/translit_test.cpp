#include "config/translit.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// How: 'R' Latin to Cyrillic, 'L' Cyrillic to Latin; 'c' and 'l' swap the
// layout, the text meant for the Cyrillic or the Latin one.
TEST(TranslitTest, ConvertsByTheShippedFile) {
    fake::FakeFiles files;
    files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
    const std::tuple<const char*, char, const char*> rows[] = {
        {"shchuka", 'R', "шчука"},   // sh and ch, not s h c h
        {"Schast", 'R', "щаст"},     // sch, then single letters
        {"Vasco", 'R', "васцо"},     // sc without h is fixed, the c used once
        {"yablunya", 'R', "яблуня"}, // ya inside and at the end
        {"SHYA", 'R', "сгиа"},       // upper-case groups are single letters
        {"PRYVIT", 'R', "привіт"},   // keys ignore case
        {"ok 42, друже!", 'R', "ок 42, друже!"},
        {"Щука Їжак ёґ", 'L', "schuka yizhak ёґ"},
        {"Ghbdsn& zr cghfdb?", 'c', "Привіт? як справи,"},
        {"Руддщб ЦщкдвЖ", 'l', "Hello, World:"},
        {"l;'", 'c', "джє"}, // the semicolon between s1 and r
        {"ж;", 'c', "жж"},   // a tie
        {"", 'c', ""},
    };
    for (const auto& [text, how, converted] : rows) {
        const LayoutSwap swap = SwapLayoutText(files, text);
        const bool toLatin = how == 'L' || how == 'l';
        EXPECT_EQ(how == 'R' || how == 'L' ? Translit(files, text, toLatin) : swap.text, converted);
        if (how == 'c' || how == 'l') {
            EXPECT_EQ(swap.layout, toLatin ? KeyboardLayout::Latin : KeyboardLayout::Cyrillic);
        }
    }
}

TEST(TranslitTest, AMissingKeyLeavesTheLettersAndADoubledKeyGivesTwo) {
    fake::FakeFiles files;
    EXPECT_EQ(Translit(files, "sho", false) + SwapLayoutText(files, "x;").text, "shox;");
    files.files[TranslitFileName] = "[2Rus]\nsh=ш\n[2Lat]\nш=sh\n[Raskl]\ns1=ab\nr=c\ns2=ххуz\n";
    EXPECT_EQ(Translit(files, "sho yo", false) + Translit(files, "шок", true), "шo yoshок");
    EXPECT_EQ(SwapLayoutText(files, "x х").text, "x ab");
}

} // namespace
} // namespace vz
