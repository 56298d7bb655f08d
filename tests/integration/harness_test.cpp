#include "ngircd_server.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// The harness itself: two scripted users meet on the generated server.
TEST(HarnessTest, TwoScriptedUsersTalkThroughTheLocalServer) {
    NgircdServer server;
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ScriptedPeer alice("alice");
    ScriptedPeer bob("bob");
    ASSERT_TRUE(alice.signOn(server.port())) << alice.transcript();
    ASSERT_TRUE(bob.signOn(server.port())) << bob.transcript();

    ASSERT_TRUE(alice.join("#smoke"));
    ASSERT_TRUE(bob.join("#smoke"));
    EXPECT_TRUE(alice.waitFor("^:bob!\\S+ JOIN :?#smoke$"));
    bob.say("#smoke", "hello there");
    EXPECT_TRUE(alice.waitFor("^:bob!\\S+ PRIVMSG #smoke :hello there$")) << alice.transcript();
}

TEST(HarnessTest, OperatorWithRelaxedFloodControlGetsManyLinesThroughAtOnce) {
    NgircdServer server;
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ScriptedPeer flooder("flooder");
    ScriptedPeer target("target");
    ASSERT_TRUE(flooder.signOn(server.port()));
    ASSERT_TRUE(target.signOn(server.port()));
    ASSERT_TRUE(flooder.becomeUnthrottledOperator()) << flooder.transcript();

    for (int i = 0; i < 50; ++i)
        flooder.say("target", "line " + std::to_string(i));
    EXPECT_TRUE(target.waitFor("PRIVMSG target :line 49$", 3000));
    EXPECT_FALSE(flooder.closedByPeer(0));
}

} // namespace
} // namespace vz::it
