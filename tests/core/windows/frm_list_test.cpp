#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"
#include "windows/frm_list.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

TEST(LoadChannelTest, CollectsHashRunsAndNeverLooksAtTheLastCharacter) {
    EXPECT_EQ(frmList::LoadChannel("#chat 12 topic"), "#chat");
    EXPECT_EQ(frmList::LoadChannel("me #chat 12 topic"), "#chat");
    EXPECT_EQ(frmList::LoadChannel("#chat"), "#cha");
    EXPECT_EQ(frmList::LoadChannel("#a #b x"), "#a#b");
    EXPECT_EQ(frmList::LoadChannel("bob - ~b host"), "");
    EXPECT_EQ(frmList::LoadChannel(""), "");
}

TEST(LoadChannelTest, WorksOnCharactersNotBytes) {
    EXPECT_EQ(frmList::LoadChannel("#київ 5"), "#київ");
    EXPECT_EQ(frmList::LoadChannel("#київ"), "#киї");
}

class ListWindowTest : public ::testing::Test {
protected:
    ListWindowTest() {
        world.start();
        world.connect();
        world.takeSent();
        list().openEmpty();
    }
    frmList& list() { return world.app->list(); }
    fake::FakeListWindowView& view() { return *world.ui.list; }
    void fill(const Lines& rows) {
        for (const std::string& row : rows)
            list().ShowInList(row, list().intCount, frmList::Kind::List);
    }
    fake::FakeWorld world;
};

TEST_F(ListWindowTest, RowsAreReplacedOrAppendedAndTheCounterFollows) {
    fill({"a", "b"});
    list().ShowInList("B", 1, frmList::Kind::List);
    EXPECT_EQ(list().intCount, 2);
    list().ShowInList("far", 5, frmList::Kind::List);
    EXPECT_EQ(view().listBox.rows, (Lines{"a", "B"}));
    EXPECT_EQ(list().intCount, 6);
}

TEST_F(ListWindowTest, OpeningEmptiesTheList) {
    fill({"a", "b"});
    list().openEmpty();
    EXPECT_TRUE(view().listBox.rows.empty());
    EXPECT_EQ(list().intCount, 0);
}

TEST(ListWindowSetUpTest, WindowMadeByItsFirstRowIsLaidOut) {
    fake::FakeWorld world;
    world.start();
    world.app->list().ShowInList("me #x 1 hi", 0, frmList::Kind::List);
    EXPECT_EQ(world.ui.list->listBox.rows, Lines{"me #x 1 hi"});
    EXPECT_EQ(world.ui.list->listBox.placed.width, 9000);
    EXPECT_EQ(world.ui.list->listBox.placed.height, 6000);
}

TEST_F(ListWindowTest, ResizeToANegativeSizeIsSkipped) {
    view().win.client = {4000, 2000};
    list().onResize();
    view().win.client = {-10, 2000};
    list().onResize();
    EXPECT_EQ(view().listBox.placed.width, 4000);
}

TEST_F(ListWindowTest, DoubleClickJoinsAChannelWithoutWindow) {
    fill({"me #chat 12 topic"});
    list().onClick(0);
    list().onDoubleClick(0);
    EXPECT_EQ(world.takeSent().front(), "JOIN #chat");
}

TEST_F(ListWindowTest, DoubleClickFrontsAnOpenChannelAndSendsNothing) {
    world.app->tables().OpenChannel("#Chat");
    fill({"me #chat 12 topic"});
    list().onClick(0);
    list().onDoubleClick(0);
    EXPECT_EQ(world.chatView("#chat").win.activations, 1);
    EXPECT_TRUE(world.takeSent().empty());
}

TEST_F(ListWindowTest, DoubleClickOnAnEntryWithoutChannelSendsNoJoin) {
    fill({"bob - ~b host"});
    list().onClick(0);
    list().onDoubleClick(0);
    for (const std::string& line : world.takeSent())
        EXPECT_EQ(line.rfind("JOIN", 0), std::string::npos) << line;
}

TEST_F(ListWindowTest, EveryCloseEmptiesAndHidesTheWindow) {
    const struct {
        const char* name;
        void (*close)(frmMain&);
    } rows[] = {
        {"close box", [](frmMain& app) { app.list().onClose(); }},
        {"disconnect", [](frmMain& app) { app.connection().DisconnectToIRC(); }},
        {"shutdown", [](frmMain& app) { app.shutDown(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fill({"a", "b"});
        list().show();
        row.close(*world.app);
        EXPECT_FALSE(view().win.visible);
        EXPECT_TRUE(view().listBox.rows.empty());
        EXPECT_EQ(list().intCount, 0);
    }
}

TEST_F(ListWindowTest, ActiveListWindowHasNoTextView) {
    world.app->setActiveChild(&world.app->status().rtfText());
    list().onActivated();
    EXPECT_EQ(world.app->activeTextView(), nullptr);
}

} // namespace
} // namespace vz
