#include "app/frm_main.h"
#include "config/ini_store.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vz {
namespace {

// Every key a window reads from a language file, by section.
const std::pair<const char*, const char*> LanguageKeys[] = {
    {"Main", "mnuFile mnuConnect mnuChannel mnuExit mnuCommand mnuWindow mnuLogs mnuAbout mnuHelp "
             "mnuServer mnuList mnuPrivat mnuJoin mnuWhois mnuTopic mnuNick mnuPart "
             "mnuWindowCascade mnuWindowTileVertical mnuWindowTileHorizontal mnuChanLog "
             "mnuPrivLog mnuDisconnect mnuOption"},
    {"Status", "Caption"},
    {"Options",
     "Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8 btnConnect btnAdd btnEdit "
     "btnDelete Check2 chkConnOnStart btnLangEdit chkChanLog chkPrivLog btnOk "
     "btnCancel btnApply lblOption1 lblOption2 lblOption3 lblPassword btnPlugin lblSaslUser"},
    {"Channels",
     "Frame1 Frame2 btnJoinTo btnAdd btnEdit btnDelete btnInfo btnJoin btnClose Check1"},
    {"AddChannel", "Frame1 Label1 Label2 Label3 btnCancel btnAdd btnSave"},
    {"AddServer", "Frame1 Label1 Label2 Label3 Label4 btnAdd btnSave"},
    {"Command", "btnOk btnCancel Join Nick Server Whois Part Privat Topic"},
    {"Chat", "strUsersCount"},
    {"Private", "strCaption"},
    {"List", "Caption1 Caption2 Caption3"},
    {"Certificate", "Caption lblWarning lblServer lblReason lblSha256 btnAccept btnReject"}};

TEST(LanguageFilesTest, ShippedFilesHoldEveryKey) {
    fake::FakeFiles files;
    for (const char* name : {"Ukrainian.lng", "English.lng"}) {
        SCOPED_TRACE(name);
        files.files[name] = fake::shippedFile(name);
        clsINI ini(files);
        ini.setFileName(name);
        for (const auto& [section, keys] : LanguageKeys) {
            std::istringstream words(keys);
            for (std::string key; words >> key;)
                EXPECT_NE(ValueOrEmpty(ini.Value(section, key)), "") << section << " " << key;
        }
    }
}

TEST(LanguageFilesTest, MainWindowTakesWhatTheFileHoldsAndKeepsTheRest) {
    fake::FakeWorld world;
    world.files.files["vuvivaz.ini"] = "[Options]\r\nNick=me\r\n[Last]\r\nServer=irc.test\r\n";
    world.files.files["Ukrainian.lng"] =
        "[Main]\r\nmnuFile=&File\r\nmnuConnect=Go\r\nmnuDisconnect=Stop\r\nmnuExit=Quit\r\n"
        "mnuWindowTileHorizontal=Side by side\r\n[Status]\r\nCaption=Log\r\n";
    world.start();
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
