#include "app/ident_responder.h"

#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "text/color_writer.h"

#include <gtest/gtest.h>

#include <utility>

namespace vz {
namespace {

class IdentResponderTest : public ::testing::Test {
protected:
    IdentResponderTest() {
        world.start();
        world.app->globals().Nick = "alice";
        world.identSocket.local = 6667;
        world.identSocket.remote = 40001;
    }

    IdentResponder& ident() { return world.app->ident(); }
    fake::FakeIdentSocket& socket() { return world.identSocket; }

    // A requester connects to the listening socket.
    void requesterConnects() { socket().events->onConnectionRequest(); }
    void requesterSends(const std::string& bytes) { socket().events->onDataArrived(bytes); }
    std::string takeReplies() { return std::exchange(socket().sent, std::string()); }

    fake::FakeWorld world;
};

TEST_F(IdentResponderTest, ListensOn113UnlessTheSettingsNameAnotherPort) {
    ident().Listen();
    EXPECT_TRUE(socket().listening);
    EXPECT_EQ(socket().listenPort, 113);

    world.files.files["vuvivaz.ini"] += "[Ident]\r\nPort=11300\r\n";
    ident().Listen();
    EXPECT_EQ(socket().listenPort, 11300);
}

TEST_F(IdentResponderTest, InvalidIdentPortFallsBackTo113) {
    for (const char* port : {"abc", "0", "70000", "", "-5"}) {
        world.files.files["vuvivaz.ini"] = std::string("[Ident]\r\nPort=") + port + "\r\n";
        ident().Listen();
        EXPECT_EQ(socket().listenPort, 113) << port;
    }
}

TEST_F(IdentResponderTest, FirstReplyCarriesThePortsAndTheNick) {
    ident().Listen();
    requesterConnects();
    EXPECT_TRUE(socket().accepted);
    EXPECT_FALSE(socket().listening);
    EXPECT_EQ(takeReplies(), "6667, 40001 : USERID : UNIX : alice\r\n");
}

TEST_F(IdentResponderTest, QueryIsAnsweredWithTheProgramNameAndShown) {
    ident().Listen();
    requesterConnects();
    takeReplies();
    requesterSends("6191, 6667\r\n");
    EXPECT_EQ(takeReplies(), "6191, 6667 : USERID : UNIX : VuviVAZ\r\n");
    const auto lines = world.statusText().lineTexts();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], " *** IDENT : 6191, 6667");
    EXPECT_EQ(lines.back(), " *** IDENT reply : 6191, 6667 : USERID : UNIX : VuviVAZ");
    EXPECT_FALSE(socket().accepted);
}

TEST_F(IdentResponderTest, QueryEndingInLineFeedOnlyLosesItsLastCharacter) {
    ident().Listen();
    requesterConnects();
    takeReplies();
    requesterSends("6191, 6667\n");
    EXPECT_EQ(takeReplies(), "6191, 666 : USERID : UNIX : VuviVAZ\r\n");
}

TEST_F(IdentResponderTest, DataWithoutCommaBlankIsDroppedAndServingGoesOn) {
    ident().Listen();
    requesterConnects();
    takeReplies();
    const auto linesBefore = world.statusText().lines.size();
    requesterSends("6191,6667\r\n");
    EXPECT_TRUE(takeReplies().empty());
    EXPECT_EQ(world.statusText().lines.size(), linesBefore);
    EXPECT_TRUE(socket().accepted);
    // A requester that sends its query after reading the first reply is served.
    world.clock.advance(5000);
    requesterSends("35052 , 16668\r\n");
    EXPECT_EQ(takeReplies(), "35052 , 16668 : USERID : UNIX : VuviVAZ\r\n");
}

TEST_F(IdentResponderTest, SilentRequesterIsCutOffAfterTenSeconds) {
    ident().Listen();
    requesterConnects();
    world.clock.advance(IdentResponder::ServeTimeoutMs - 1);
    EXPECT_TRUE(socket().accepted);
    world.clock.advance(1);
    EXPECT_FALSE(socket().accepted);
    EXPECT_FALSE(socket().listening);
    EXPECT_EQ(world.clock.pendingTimers(), 0u);
}

TEST_F(IdentResponderTest, AnsweredQueryCancelsTheTimeout) {
    ident().Listen();
    requesterConnects();
    requesterSends("6191, 6667\r\n");
    EXPECT_EQ(world.clock.pendingTimers(), 0u);
}

TEST_F(IdentResponderTest, SecondRequesterFindsNoListenerUntilTheNextAttempt) {
    ident().Listen();
    requesterConnects();
    requesterSends("6191, 6667\r\n");
    takeReplies();
    EXPECT_FALSE(socket().listening);
    requesterConnects();
    requesterSends("6192, 6667\r\n");
    EXPECT_FALSE(socket().accepted);
    EXPECT_TRUE(takeReplies().empty());

    ident().Listen();
    requesterConnects();
    EXPECT_EQ(takeReplies(), "6667, 40001 : USERID : UNIX : alice\r\n");
}

TEST_F(IdentResponderTest, RefusedBindGoesTheErrorPath) {
    socket().refuseBind = true;
    ident().Listen();
    EXPECT_EQ(world.mainWindow.icon, 3);
    EXPECT_EQ(world.statusLast(), " Error 13 The address is protected");
    EXPECT_FALSE(socket().listening);
    EXPECT_EQ(world.statusText().lines.back().back().attr.rgb, GetColor(6));
}

TEST_F(IdentResponderTest, ErrorWhileServingEndsTheWork) {
    ident().Listen();
    requesterConnects();
    socket().events->onError(10054, "Connection reset by peer");
    EXPECT_EQ(world.mainWindow.icon, 3);
    EXPECT_EQ(world.statusLast(), " Error 10054 Connection reset by peer");
    EXPECT_FALSE(socket().accepted);
    EXPECT_EQ(world.clock.pendingTimers(), 0u);
}

TEST_F(IdentResponderTest, CloseStopsListeningAndServing) {
    ident().Listen();
    ident().Close();
    EXPECT_FALSE(socket().listening);
    ident().Listen();
    requesterConnects();
    ident().Close();
    EXPECT_FALSE(socket().accepted);
    EXPECT_EQ(world.clock.pendingTimers(), 0u);
}

TEST_F(IdentResponderTest, RepliesShareTheAutomaticReplyLimit) {
    for (int i = 0; i < ReplyLimiter::Capacity - 1; ++i)
        ASSERT_TRUE(world.app->replyLimiter().tryTake());
    ident().Listen();
    requesterConnects();
    EXPECT_EQ(takeReplies(), "6667, 40001 : USERID : UNIX : alice\r\n");
    requesterSends("6191, 6667\r\n");
    EXPECT_TRUE(takeReplies().empty());
    EXPECT_EQ(world.statusLast(), " *** IDENT : 6191, 6667");
}

TEST_F(IdentResponderTest, EveryConnectionAttemptListens) {
    world.connect();
    EXPECT_TRUE(socket().listening);
    EXPECT_EQ(socket().listenPort, 113);
}

} // namespace
} // namespace vz
