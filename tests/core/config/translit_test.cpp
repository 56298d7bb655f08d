#include "config/translit.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

struct TranslitRow {
    const char* name;
    const char* text;
    bool toLatin;
    const char* converted;
};

TEST(TranslitTest, ConvertsByTheShippedFile) {
    fake::FakeFiles files;
    files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
    const TranslitRow rows[] = {
        {"sh and ch are keys, not s h c h", "shchuka", false, "шчука"},
        {"sch, then single letters", "Schast", false, "щаст"},
        {"sc without h is fixed, the c used once", "Vasco", false, "васцо"},
        {"ya inside and at the end", "yablunya", false, "яблуня"},
        {"only lower and capitalised groups", "SHYA", false, "сгиа"},
        {"upper case as lower case", "PRYVIT", false, "привіт"},
        {"digits, punctuation, Cyrillic pass", "ok 42, друже!", false, "ок 42, друже!"},
        {"Cyrillic in both cases to Latin", "Щука Їжак", true, "schuka yizhak"},
        {"letters without a key pass", "ёлка ґанок x", true, "ёlka ґanok x"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Translit(files, row.text, row.toLatin), row.converted);
    }
}

TEST(TranslitTest, AMissingKeyOrFileLeavesTheLettersAsTheyWere) {
    fake::FakeFiles files;
    EXPECT_EQ(Translit(files, "sho yo", false), "sho yo");
    files.files[TranslitFileName] = "[2Rus]\r\nsh=ш\r\no=о\r\n[2Lat]\r\nш=sh\r\n";
    EXPECT_EQ(Translit(files, "sho yo", false), "шо yo");
    EXPECT_EQ(Translit(files, "шок", true), "shок");
}

struct SwapRow {
    const char* name;
    const char* text;
    const char* converted;
    KeyboardLayout layout;
};

TEST(SwapLayoutTest, TheSideWithMoreKeysWinsATieGoesToCyrillic) {
    fake::FakeFiles files;
    files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
    const SwapRow rows[] = {
        {"Latin keys", "Ghbdsn& zr cghfdb?", "Привіт? як справи,", KeyboardLayout::Cyrillic},
        {"Cyrillic keys", "Руддщб ЦщкдвЖ", "Hello, World:", KeyboardLayout::Latin},
        {"the semicolon between s1 and r", "l;'", "джє", KeyboardLayout::Cyrillic},
        {"tie", "ж;", "жж", KeyboardLayout::Cyrillic},
        {"empty", "", "", KeyboardLayout::Cyrillic},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const LayoutSwap swap = SwapLayoutText(files, row.text);
        EXPECT_EQ(swap.text, row.converted);
        EXPECT_EQ(swap.layout, row.layout);
    }
}

TEST(SwapLayoutTest, ADoubledKeyGivesTwoCharactersAndSwappingSwitchesTheLayout) {
    fake::FakeFiles files;
    fake::FakeDesktop desktop;
    files.files[TranslitFileName] = "[Raskl]\r\ns1=ab\r\nr=c\r\ns2=ххуz\r\n";
    EXPECT_EQ(SwapLayout(files, desktop, "x х"), "x ab");
    EXPECT_EQ(desktop.layouts, std::vector{KeyboardLayout::Latin});
}

} // namespace
} // namespace vz
