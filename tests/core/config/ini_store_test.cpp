#include "config/ini_store.h"
#include "config/language_texts.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace std::string_literals;

namespace vz {
namespace {

class IniStoreTest : public ::testing::Test {
protected:
    // Stores `content` as test.ini and points the store at it.
    void load(const std::string& content) {
        files.files["test.ini"] = content;
        ini.setFileName("test.ini");
    }
    // The file as the store writes it back, each CR LF shown as "|".
    std::string written() {
        EXPECT_TRUE(ini.UpdateFile());
        return fake::bars(files.files["test.ini"]);
    }

    fake::FakeFiles files;
    clsINI ini{files};
};

// What loading keeps shows in the file written back: sections and entries in
// order, trimmed, comments cut off; CR LF, CR and LF all end a line. Blanks
// before a comment stay in the value but are not written, so the written file
// is written again unchanged.
TEST_F(IniStoreTest, LoadingKeepsSectionsAndEntriesInOrder) {
    const std::pair<std::string, std::string> rows[] = {
        {"[M]\r\nKey=A=B\r\nEmpty=\r\n=x\r\nno equals sign\r\nKey = x\r\n",
         "[M]|Key=A=B|Empty=|Key = x||"},
        {"[M]\r\n   \r\n;note\r\n;x=1\r\nx=1 ;note\r\n  y=2  \r\nz=\t3\t\r\n",
         "[M]|x=1|y=2|z=\t3\t||"},
        {"; settings\r\n\r\n  [A]  \r\n  x = 1 ;why\r\nbad line\r\n", "[A]|x = 1||"},
        {"lost=1\r\n[A]\r\na=1\r\n[]\r\nb=2\r\n[open\r\nc=3\r\n[B] trailing\r\nd=4\r\n",
         "[A]|a=1|b=2|c=3||[B]|d=4||"},
        {"[A]\r\nk=first\r\nk=second\r\n[a]\r\nonly=later\r\n",
         "[A]|k=first|k=second||[a]|only=later||"},
        {"[Unix]\na=1\nb=2\n[Mac]\rc=3\r[Dos]\r\nd=4\r\n\n\re=5",
         "[Unix]|a=1|b=2||[Mac]|c=3||[Dos]|d=4|e=5||"},
        {"[A]\r\nold=\xCF\xF0\xE8\xE2\xB3\xF2\r\nnew=Привіт\r\n", "[A]|old=Привіт|new=Привіт||"},
        {"\xEF\xBB\xBF[Options]\nNick=taras\n", "[Options]|Nick=taras||"}, // byte order mark
        {"[\0]\r\n\0=2\r\n"s, "[\0]|\0=2||"s}, // names that read like the missing value
    };
    for (const auto& [file, back] : rows) {
        SCOPED_TRACE(file);
        load(file);
        EXPECT_EQ(written(), back);
    }
}

// Names match ignoring case; the first of duplicates is found.
TEST_F(IniStoreTest, Lookups) {
    const std::tuple<std::string, const char*, const char*, std::string> rows[] = {
        // file, section, key, value
        {"[M]\r\nKey=A=B\r\n", "M", "Key", "A=B"},
        {"[M]\r\nKey = x\r\n", "M", "Key ", " x"},
        {"[Налаштування]\r\nІм'я=\r\n", "НАЛАШТУВАННЯ", "ім'я", ""},
        {"[M]\r\nKey=\r\n", "M", "Other", clsINI::NoValue},
        {"[M]\r\nKey=\r\n", "M ", "Key", clsINI::NoValue},
        {"[M]\r\nKey=\r\n", "N", "Key", clsINI::NoValue},
        {"[A]\r\nk=first\r\nk=second\r\n", "A", "k", "first"},
        {"[A]\r\n[a]\r\nonly=later\r\n", "A", "only", clsINI::NoValue},
    };
    for (const auto& [file, section, key, value] : rows) {
        SCOPED_TRACE(file);
        load(file);
        EXPECT_EQ(ini.Value(section, key), value);
        EXPECT_EQ(ini.ValueExists(section, key), value != clsINI::NoValue);
    }
}

TEST_F(IniStoreTest, EditingCountingAndWriting) {
    load("[A]\r\nx=1\r\ny=2\r\n[Empty]\r\n[A]\r\nz=3\r\n");
    EXPECT_EQ((std::vector{ini.ValuesCount("a"), ini.ValuesCount("Empty"), ini.ValuesCount("B")}),
              (std::vector{2, 0, -1}));
    EXPECT_EQ(ini.ValueName("A", 2) + ini.SectionName(3), "yA");
    for (const std::string& none :
         {ini.ValueName("A", 0), ini.ValueName("A", 3), ini.SectionName(4)})
        EXPECT_EQ(none, clsINI::NoValue);
    EXPECT_FALSE(ini.AddSection("a"));
    EXPECT_FALSE(ini.AddValue("A", "X", "new"));
    EXPECT_EQ(ini.Value("a", "x"), "1");
    ini.setValue("A", "X", "changed");
    ini.setValue("A", "w", "4");
    ini.setValue("New", "missing", clsINI::NoValue);
    ini.setValue("New", "broken", "one\r\n[Evil]\ntwo"); // no line break reaches the file
    EXPECT_TRUE(ini.AddValue("C", "Fresh"));
    EXPECT_EQ(ini.Value("C", "Fresh"), "");
    EXPECT_EQ(written(), "[A]|x=changed|y=2|w=4||[Empty]||[A]|z=3||[New]|missing=|broken=one[Evil]"
                         "two||[C]|Fresh=||");
    EXPECT_TRUE(ini.RemoveValue("a", "X"));
    EXPECT_FALSE(ini.RemoveValue("A", "x"));
    EXPECT_FALSE(ini.RemoveValue("B", "x"));
    EXPECT_TRUE(ini.RemoveSection("A"));
    EXPECT_FALSE(ini.RemoveSection("B"));
    const std::string kept = "[Empty]||[A]|z=3||[New]|missing=|broken=one[Evil]two||[C]|Fresh=||";
    EXPECT_EQ(written(), kept);
    ini.setValue("A", "x", "1");
    files.failWrites = true;
    EXPECT_FALSE(ini.UpdateFile());
    files.failWrites = false;
    ini.setFileName("test.ini"); // the unsaved change is gone
    EXPECT_EQ(written(), kept);
    ini.setFileName("new.ini"); // missing: loads empty
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(files.files.at("new.ini"), "");
}

// Each row changes something, then looks a text up.
TEST_F(IniStoreTest, LanguageFileIsReadAgainOnlyWhenItsNameTimeOrSizeChanged) {
    std::string name = "en.lng";
    LanguageTexts texts(files, name);
    const auto file = [](const std::string& word) { return "[Chat]\r\nstrUsersCount=" + word; };
    const std::tuple<const char*, std::function<void()>, std::string, int> rows[] = {
        // change, text looked up, files read so far
        {"none, file missing", [] {}, "", 0},
        {"file made", [&] { files.files["en.lng"] = file("users"); }, "users", 1},
        {"none", [] {}, "users", 1},
        {"other file of the same size chosen",
         [&] {
             files.files["de.lng"] = file("Users");
             name = "de.lng";
         },
         "Users", 2},
        {"same size written", [&] { files.writeFileAtomic("de.lng", file("USERS")); }, "USERS", 3},
        {"file grew", [&] { files.files["de.lng"] += "!"; }, "USERS!", 4},
        {"file removed", [&] { files.files.clear(); }, "", 4},
    };
    for (const auto& [change, apply, text, reads] : rows) {
        SCOPED_TRACE(change);
        apply();
        EXPECT_EQ(texts.LangText("chat", "STRUSERSCOUNT"), text);
        EXPECT_EQ(files.reads, reads);
    }
    EXPECT_EQ(texts.LangTextOr("Chat", "strUsersCount", "built-in"), "built-in");
}

} // namespace
} // namespace vz
