#include "app/menu_commands.h"
#include "client_and_peer_fixture.h"

namespace vz::it {
namespace {

// What the server relays of JOIN and PART typed into the prompt dialog.
TEST_F(ClientAndPeerTest, JoinAndPartThroughThePrompt) {
    const auto prompt = [&](void (*entry)(frmMain&), const std::string& text) {
        entry(*client.app);
        client.ui.prompt->fieldLine.setText(text);
        client.ui.promptEvents->onOk();
    };
    ASSERT_TRUE(other.join("#a") && other.join("#b")) << other.transcript();
    prompt(MenuJoin, "#a,#b");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ JOIN :#a$")) << other.transcript();
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ JOIN :#b$")) << other.transcript();
    EXPECT_LT(other.transcript().find("JOIN :#a"), other.transcript().find("JOIN :#b"));
    ASSERT_TRUE(waitUntil([&] { return client.hasChannel("#b"); }));
    prompt(MenuPart, "#a");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PART #a")) << other.transcript();
    EXPECT_FALSE(client.hasChannel("#a"));
    EXPECT_TRUE(client.hasChannel("#b"));
    EXPECT_FALSE(client.ui.prompt->visible);
}

} // namespace
} // namespace vz::it
