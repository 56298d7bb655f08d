#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class InterpreterTest : public ::testing::Test {
protected:
    InterpreterTest() {
        world.start();
        world.connect();
        world.takeSent();
    }
    fake::FakeWorld world;
};

TEST_F(InterpreterTest, PingIsAnsweredWithAllParameters) {
    world.serverSays("PING :srv1");
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{"PONG :srv1"});
    EXPECT_EQ(world.statusLast(), " Ping? Pong! [srv1]");

    world.serverSays("Ping a b");
    world.serverSays("PING");
    EXPECT_EQ(world.takeSent(), (std::vector<std::string>{"PONG :a b", "PONG :"}));
}

TEST_F(InterpreterTest, UnknownCommandIsShownRawAsReceived) {
    world.serverSays(":s 999 me foo :bar baz");
    EXPECT_EQ(world.statusLast(), " *** 999 me foo bar baz");
    world.serverSays(":s FooBar x");
    EXPECT_EQ(world.statusLast(), " *** FooBar x");
}

TEST_F(InterpreterTest, EmptyAndBlankLinesAreIgnored) {
    const auto before = world.statusText().lines.size();
    world.serverSays("");
    world.server.events->onDataArrived("\n\r\n");
    EXPECT_EQ(world.statusText().lines.size(), before);
}

TEST_F(InterpreterTest, HostileLinesNeverCrash) {
    for (const char* line : {":", "::", ": ", " ", ":a!b@c", ":a!b@c  ", "\x01\x02\x03", ":x 353",
                             ":x 332", ":x KICK", ":x MODE", ":x MODE #c +ovl", ":x 311", ":x JOIN",
                             ":x PRIVMSG", ":x NOTICE", ":x 322", ":x 433"})
        world.serverSays(line);
    SUCCEED();
}

} // namespace
} // namespace vz
