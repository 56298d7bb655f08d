#include "fakes/fake_platform.h"
#include "windows/frm_list.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

// The channel is every run from "#" to a blank, and the last character is
// never looked at; characters, not bytes.
TEST(LoadChannelTest, CollectsHashRunsAndNeverLooksAtTheLastCharacter) {
    const std::pair<const char*, const char*> rows[] = {
        {"#chat 12 topic", "#chat"}, {"me #chat 12 topic", "#chat"},
        {"#chat", "#cha"},           {"#a #b x", "#a#b"},
        {"bob - ~b host", ""},       {"", ""},
        {"#київ 5", "#київ"},        {"#київ", "#киї"}};
    for (const auto& [row, channel] : rows)
        EXPECT_EQ(frmList::LoadChannel(row), channel) << row;
}

class ListWindowTest : public ::testing::Test {
protected:
    ListWindowTest() { list().ShowInList("me #chat 12 topic", 0, frmList::Kind::List); }
    frmList& list() { return world.app->list(); }
    fake::FakeListWindowView& view() { return *world.ui.list; }
    fake::SignedOnWorld world;
};

TEST_F(ListWindowTest, FirstRowMakesTheWindowLaidOutAndRowsAreReplacedOrAppended) {
    EXPECT_EQ(view().listBox.placed.width, 9000);
    list().ShowInList("b", 1, frmList::Kind::List);
    list().ShowInList("B", 1, frmList::Kind::List);
    list().ShowInList("far", 5, frmList::Kind::List);
    EXPECT_EQ(view().listBox.rows, (Lines{"me #chat 12 topic", "B"}));
    EXPECT_EQ(list().intCount, 6);
}

// While the list window is active, notices go to the status window: see the
// interpreter's hostile-lines test.
TEST_F(ListWindowTest, DoubleClickJoinsTheChannelOrFrontsItsOpenWindow) {
    list().onDoubleClick(0);
    EXPECT_EQ(world.news(), "sent: JOIN #chat\nsent: \nStatus:  join\n");
    world.app->tables().OpenChannel("#Chat");
    list().onDoubleClick(0);
    EXPECT_EQ(world.chatView("#chat").win.activations, 1);
    EXPECT_EQ(world.news(), "");
    list().ShowInList("bob - ~b host", 0, frmList::Kind::List);
    list().onDoubleClick(0);
    EXPECT_EQ(world.news(), "sent: \nStatus:  join\n"); // no channel in the row
}

TEST_F(ListWindowTest, EveryCloseEmptiesAndHidesTheWindow) {
    const std::pair<const char*, void (*)(frmMain&)> rows[] = {
        {"close box", [](frmMain& app) { app.list().onClose(); }},
        {"disconnect", [](frmMain& app) { app.connection().DisconnectToIRC(); }},
        {"shutdown", [](frmMain& app) { app.shutDown(); }}};
    for (const auto& [name, close] : rows) {
        SCOPED_TRACE(name);
        list().ShowInList("a", 0, frmList::Kind::List);
        list().show();
        close(*world.app);
        EXPECT_FALSE(view().win.visible);
        EXPECT_TRUE(view().listBox.rows.empty());
        EXPECT_EQ(list().intCount, 0);
    }
}

} // namespace
} // namespace vz
