#include "config/ini_store.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vz {
namespace {

// The shipped files hold the same keys, each with a text.
TEST(LanguageFilesTest, ShippedFilesHoldTheSameKeysEachWithAText) {
    fake::FakeFiles files;
    std::map<std::string, std::set<std::string>> keys;
    for (const char* name : {"Ukrainian.lng", "English.lng"}) {
        files.files[name] = fake::shippedFile(name);
        clsINI ini(files);
        ini.setFileName(name);
        for (int s = 1; ini.SectionName(s) != clsINI::NoValue; ++s)
            for (int k = 1; k <= ini.ValuesCount(ini.SectionName(s)); ++k) {
                const std::string section = ini.SectionName(s), key = ini.ValueName(section, k);
                keys[name].insert(section + " " + key);
                EXPECT_NE(ini.Value(section, key), "") << name << " " << section << key;
            }
    }
    EXPECT_EQ(keys["Ukrainian.lng"], keys["English.lng"]);
    EXPECT_GT(keys["English.lng"].size(), 90u);
}

TEST(LanguageFilesTest, MainWindowTakesWhatTheFileHoldsAndKeepsTheRest) {
    fake::FakeWorld world;
    world.files.files["Ukrainian.lng"] =
        fake::crlf("[Main]|mnuFile=&File|mnuConnect=Go|mnuDisconnect=Stop|mnuExit=Quit|"
                   "mnuWindowTileHorizontal=Side by side|[Status]|Caption=Log|");
    world.startWith("[Options]|Nick=me|[Last]|Server=irc.test|");
    auto& window = world.mainWindow;
    EXPECT_EQ(window.menuCaptions,
              (std::map<std::string, std::string>{{"mnuConnect", "Go"},
                                                  {"mnuExit", "Quit"},
                                                  {"mnuFile", "&File"},
                                                  {"mnuWindowTileHorizontal", "Side by side"}}));
    EXPECT_EQ(window.toolTips,
              (std::map<int, std::string>{{1, "Go"}, {4, "Side by side"}, {6, "Quit"}}));
    world.connect();
    world.files.files["Ukrainian.lng"] += "[Chat]\r\n";
    world.app->globals().ArrangeMode = Arrangement::Cascade;
    world.app->GetLang();
    EXPECT_EQ(window.menuCaptions["mnuConnect"], "Stop");
    EXPECT_EQ(window.toolTips[1], "Stop");
    EXPECT_EQ(window.toolTips[4], "Каскадом");
    EXPECT_EQ(world.ui.status->win.titleText, "Log");
    world.serverSays(":me!u@h JOIN :#x");
    world.chat("#x").AddNick("me");
    EXPECT_EQ(world.chatView("#x").win.titleText, "#x - 1 ");
}

} // namespace
} // namespace vz
