#include "config/language_texts.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// Each row changes something, then looks a text up.
TEST(LanguageTextsTest, FileIsReadAgainOnlyWhenItsNameTimeOrSizeChanged) {
    fake::FakeFiles files;
    std::string name = "en.lng";
    LanguageTexts texts(files, name);
    const auto file = [](const char* word) {
        return "[Chat]\r\nstrUsersCount=" + std::string(word);
    };
    const struct {
        const char* change;
        std::function<void()> apply;
        std::string text;
        int reads;
    } rows[] = {
        {"none, file missing", [] {}, clsINI::NoValue, 0},
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
        {"file removed", [&] { files.files.clear(); }, clsINI::NoValue, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        row.apply();
        EXPECT_EQ(texts.LangText("chat", "STRUSERSCOUNT"), row.text);
        EXPECT_EQ(files.reads, row.reads);
    }
}

} // namespace
} // namespace vz
