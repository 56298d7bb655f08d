#include "app/menu_commands.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vz {
namespace {

// Each row opens the prompt from its menu entry, types and presses Enter;
// then what was sent and shown within a second; the dialog closes.
TEST(PromptTest, EachModeBuildsItsCommand) {
    const std::string reconnect = "Status:  *** Disconnect\nStatus:  ***  Connecting to ";
    const std::tuple<const char*, void (*)(frmMain&), const char*, std::string> rows[] = {
        {"join paces channels", MenuJoin, "#a,#b",
         "sent: JOIN #a\nsent: JOIN #b\nsent: \nStatus:  join\n"},
        {"whois as typed", MenuWhois, "bob x", "sent: whois bob x\nStatus:  whois\n"},
        {"part then the window's own", MenuPart, "#X", "sent: PART #X\nsent: PART #x\n"},
        {"part of no window", MenuPart, "#nowhere", "sent: PART #nowhere\n"},
        {"empty nick", MenuNick, "", "sent: NICK \n"},
        {"topic of the active channel", MenuTopic, "new one", "sent: TOPIC #x :new one\n"},
        {"privat", MenuPrivat, "bob", ""},
        {"server and port", MenuServer, "irc.example 7000", reconnect + "irc.example:7000\n"},
        {"server:port", MenuServer, "irc.example:+7001 x", reconnect + "irc.example:+7001\n"},
        {"server, no port", MenuServer, "irc.example 99999", reconnect + "irc.example:6667\n"},
    };
    for (const auto& [name, entry, typed, news] : rows) {
        SCOPED_TRACE(name);
        fake::SignedOnWorld world;
        world.serverSays(":me!u@h JOIN :#x");
        world.chat("#x").onActivated();
        world.news();
        entry(*world.app);
        ASSERT_TRUE(world.ui.prompt && world.ui.prompt->visible);
        world.ui.prompt->fieldLine.value = typed;
        EXPECT_TRUE(world.ui.promptEvents->onFieldKey(13));
        world.clock.advance(1000);
        EXPECT_EQ(world.news(), news);
        EXPECT_FALSE(world.ui.prompt->visible);
    }
}

TEST(PromptTest, PrivatWithoutAFreeWindowStaysOpenAnOpenOneComesForwardCancelSendsNothing) {
    fake::SignedOnWorld world;
    for (int i = 0; i < WindowTables::Slots; ++i)
        world.app->tables().OpenPrivat("p" + std::to_string(i), "x!h");
    MenuPrivat(*world.app);
    EXPECT_EQ(world.ui.prompt->captions,
              (std::map<std::string, std::string>{
                  {"cancel", "Cancel"}, {"label", "Privat:"}, {"ok", "OK"}}));
    world.ui.prompt->fieldLine.value = "bob";
    world.ui.promptEvents->onOk();
    EXPECT_TRUE(world.ui.prompt->visible);
    EXPECT_EQ(world.app->command().strText, "bob");
    world.ui.prompt->fieldLine.value = "P3"; // open already: brought forward
    world.ui.promptEvents->onOk();
    EXPECT_FALSE(world.ui.prompt->visible);
    EXPECT_EQ(world.privatView("p3").win.activations, 1);
    MenuPrivat(*world.app);
    MenuTopic(*world.app);
    EXPECT_EQ(world.app->command().strMode, "PRIVAT ");
    world.ui.prompt->fieldLine.value = "x";
    world.ui.promptEvents->onCancel();
    EXPECT_FALSE(world.ui.prompt->visible);
    EXPECT_EQ(world.news(), "");
}

} // namespace
} // namespace vz
