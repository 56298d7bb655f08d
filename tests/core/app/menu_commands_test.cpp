#include "app/frm_main.h"
#include "app/user_menu.h"
#include "fakes/fake_platform.h"
#include "windows/frm_privat.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class UserMenuTest : public ::testing::Test {
protected:
    UserMenuTest() {
        world.start();
        world.app->globals().Nick = "me";
        world.connect();
        world.takeSent();
    }
    std::string& selected() { return world.app->globals().SelectedNick; }
    fake::FakeWorld world;
};

TEST_F(UserMenuTest, WhoisDropsTheOperatorSignAndKeepsTheNickClean) {
    selected() = "@bob";
    UserMenuWho(*world.app);
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{"whois bob"});
    EXPECT_EQ(selected(), "bob");
    selected() = "ann[away]";
    UserMenuWho(*world.app);
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{"whois ann"});
}

TEST_F(UserMenuTest, MsgFrontsAnOpenPrivateWindowInsteadOfOpeningAnother) {
    selected() = "+bob";
    UserMenuMsg(*world.app);
    EXPECT_EQ(world.app->tables().PrivatCount(), 1);
    EXPECT_EQ(world.privatView("bob").win.activations, 1);
    selected() = "bob";
    UserMenuMsg(*world.app);
    EXPECT_EQ(world.app->tables().PrivatCount(), 1);
    EXPECT_EQ(world.privatView("bob").win.activations, 2);
    EXPECT_EQ(world.privat("bob").strPrivHost, "Vorn");
}

} // namespace
} // namespace vz
