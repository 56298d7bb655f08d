#include "config/ini_store.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class IniStoreTest : public ::testing::Test {
protected:
    // Stores `content` as test.ini and points the store at it.
    void load(const std::string& content) {
        files.files["test.ini"] = content;
        ini.setFileName("test.ini");
    }
    std::string written() { return files.files["test.ini"]; }

    fake::FakeFiles files;
    clsINI ini{files};
};

TEST_F(IniStoreTest, EntryLinesSplitAtTheFirstEqualsSign) {
    load("[Main]\r\nKey=A=B\r\nEmpty=\r\n=x\r\nno equals sign\r\nKey = x\r\n");
    EXPECT_EQ(ini.Value("Main", "Key"), "A=B");
    EXPECT_EQ(ini.Value("Main", "Empty"), "");
    EXPECT_EQ(ini.Value("Main", "Key "), " x");
    EXPECT_EQ(ini.ValuesCount("Main"), 3);
}

TEST_F(IniStoreTest, CommentsAndBlanksAroundLines) {
    load("[Main]\r\n   \r\n;note\r\n;x=1\r\nx=1 ;note\r\n  y=2  \r\nz=\t3\t\r\n");
    EXPECT_EQ(ini.Value("Main", "x"), "1 ");
    EXPECT_EQ(ini.Value("Main", "y"), "2");
    EXPECT_EQ(ini.Value("Main", "z"), "\t3\t");
    EXPECT_EQ(ini.ValuesCount("Main"), 3);
}

TEST_F(IniStoreTest, BadSectionLinesKeepTheSectionBefore) {
    load("lost=1\r\n[A]\r\na=1\r\n[]\r\nb=2\r\n[open\r\nc=3\r\n[B] trailing\r\nd=4\r\n");
    EXPECT_EQ(ini.SectionsCount(), 2);
    EXPECT_EQ(ini.SectionName(2), "B");
    EXPECT_EQ(ini.ValuesCount("A"), 3);
    EXPECT_EQ(ini.Value("A", "c"), "3");
    EXPECT_EQ(ini.Value("B", "d"), "4");
}

TEST_F(IniStoreTest, DuplicatesAreKeptButOnlyTheFirstIsFound) {
    load("[A]\r\nk=first\r\nk=second\r\n[a]\r\nonly=later\r\n");
    EXPECT_EQ(ini.Value("A", "k"), "first");
    EXPECT_FALSE(ini.ValueExists("A", "only"));
    EXPECT_FALSE(ini.AddSection("A"));
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(written(), "[A]\r\nk=first\r\nk=second\r\n\r\n[a]\r\nonly=later\r\n\r\n");
}

TEST_F(IniStoreTest, NamesMatchIgnoringCaseInEveryScript) {
    load("[Налаштування]\r\nІм'я=Тарас\r\n[ΕΛΛΆΔΑ]\r\nΌνομα=x\r\n[Straße]\r\nÄrger=ja\r\n");
    EXPECT_EQ(ini.Value("НАЛАШТУВАННЯ", "ім'я"), "Тарас");
    EXPECT_EQ(ini.Value("ελλάδα", "όνομα"), "x");
    EXPECT_EQ(ini.Value("STRAßE", "ärger"), "ja");
    EXPECT_EQ(ini.Value("Main ", "key"), clsINI::NoValue);
}

TEST_F(IniStoreTest, MissingValuesAreNoValueNotEmpty) {
    load("[A]\r\nKey=\r\n[Empty]\r\n");
    EXPECT_EQ(ini.Value("A", "Key"), "");
    EXPECT_EQ(ini.Value("A", "Other"), std::string(1, '\0'));
    EXPECT_EQ(ini.Value("B", "Key"), clsINI::NoValue);
    EXPECT_EQ(ini.ValuesCount("B"), -1);
    EXPECT_EQ(ini.ValuesCount("Empty"), 0);
    EXPECT_EQ(ini.ValueName("A", 2), clsINI::NoValue);
    EXPECT_EQ(ini.ValueName("A", 0), clsINI::NoValue);
    EXPECT_EQ(ini.SectionName(3), clsINI::NoValue);
}

TEST_F(IniStoreTest, AddValueKeepsAnExistingValueAndSetReplacesIt) {
    load("[A]\r\nKey=old\r\n");
    EXPECT_FALSE(ini.AddValue("A", "KEY", "new"));
    EXPECT_EQ(ini.Value("A", "Key"), "old");
    ini.setValue("A", "KEY", "new");
    EXPECT_EQ(ini.Value("A", "key"), "new");
    EXPECT_EQ(ini.ValueName("A", 1), "Key");
    EXPECT_TRUE(ini.AddValue("B", "Fresh"));
    EXPECT_EQ(ini.Value("B", "Fresh"), "");
}

TEST_F(IniStoreTest, SetOnMissingSectionAppendsItAtTheEnd) {
    load("[A]\r\nx=1\r\n");
    ini.setValue("New", "Key", "v");
    ini.setValue("A", "y", "2");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(written(), "[A]\r\nx=1\r\ny=2\r\n\r\n[New]\r\nKey=v\r\n\r\n");
}

TEST_F(IniStoreTest, RemovingMovesLaterItemsUp) {
    load("[A]\r\nx=1\r\ny=2\r\n[B]\r\n[A]\r\nz=3\r\n");
    EXPECT_TRUE(ini.RemoveValue("a", "X"));
    EXPECT_EQ(ini.ValueName("A", 1), "y");
    EXPECT_FALSE(ini.RemoveValue("A", "x"));
    EXPECT_FALSE(ini.RemoveValue("C", "x"));
    EXPECT_TRUE(ini.RemoveSection("A"));
    EXPECT_EQ(ini.SectionName(1), "B");
    EXPECT_EQ(ini.Value("A", "z"), "3");
    EXPECT_FALSE(ini.RemoveSection("C"));
}

TEST_F(IniStoreTest, RepointingDiscardsUnsavedChanges) {
    load("[A]\r\nx=1\r\n");
    ini.setValue("A", "x", "2");
    ini.setFileName("test.ini");
    EXPECT_EQ(ini.Value("A", "x"), "1");
    ini.setFileName("missing.ini");
    EXPECT_EQ(ini.SectionsCount(), 0);
    EXPECT_EQ(ini.fileName(), "missing.ini");
}

TEST_F(IniStoreTest, EveryKindOfLineEndEndsALine) {
    load("[Unix]\na=1\nb=2\n[Mac]\rc=3\r[Dos]\r\nd=4\r\n\n\re=5");
    EXPECT_EQ(ini.SectionsCount(), 3);
    EXPECT_EQ(ini.Value("Unix", "b"), "2");
    EXPECT_EQ(ini.Value("Mac", "c"), "3");
    EXPECT_EQ(ini.ValuesCount("Dos"), 2);
    EXPECT_EQ(ini.Value("Dos", "e"), "5");
}

TEST_F(IniStoreTest, Windows1251LinesAreDecodedEachByItself) {
    // "Привіт" in Windows-1251 on one line, UTF-8 on the next.
    load("[A]\r\nold=\xCF\xF0\xE8\xE2\xB3\xF2\r\nnew=Привіт\r\n");
    EXPECT_EQ(ini.Value("A", "old"), "Привіт");
    EXPECT_EQ(ini.Value("A", "new"), "Привіт");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(written(), "[A]\r\nold=Привіт\r\nnew=Привіт\r\n\r\n");
}

TEST_F(IniStoreTest, ByteOrderMarkAtTheStartIsNoPartOfTheFirstLine) {
    load("\xEF\xBB\xBF[Options]\nNick=taras\n");
    EXPECT_EQ(ini.Value("Options", "Nick"), "taras");
}

TEST_F(IniStoreTest, UpdateFileDropsCommentsAndSkippedLines) {
    load("; settings\r\n\r\n  [A]  \r\n  x = 1 ;why\r\nbad line\r\n");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(written(), "[A]\r\nx = 1 \r\n\r\n");
}

TEST_F(IniStoreTest, UpdateFileNeedsAFileName) {
    ini.setValue("A", "x", "1");
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_TRUE(files.files.empty());
}

TEST_F(IniStoreTest, MissingFileWithoutChangesIsWrittenEmpty) {
    ini.setFileName("new.ini");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(files.files.at("new.ini"), "");
}

TEST_F(IniStoreTest, FailedWriteReturnsFalseAndKeepsTheOldFile) {
    load("[A]\r\nx=1\r\n");
    ini.setValue("A", "x", "2");
    files.failWrites = true;
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_EQ(written(), "[A]\r\nx=1\r\n");
}

TEST_F(IniStoreTest, NoCodeZeroOrLineBreakReachesTheFile) {
    ini.setFileName("test.ini");
    ini.setValue("A", "missing", clsINI::NoValue);
    ini.setValue("A", "broken", "one\r\n[Evil]\ntwo");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(written(), "[A]\r\nmissing=\r\nbroken=one[Evil]two\r\n\r\n");
    EXPECT_EQ(ValueOrEmpty(clsINI::NoValue), "");
    EXPECT_EQ(ValueOrEmpty("x"), "x");
}

} // namespace
} // namespace vz
