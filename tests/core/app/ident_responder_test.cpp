#include "app/ident_responder.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

class IdentResponderTest : public ::testing::Test {
protected:
    IdentResponderTest() { world.startWith("[Options]|Nick=alice"); }
    IdentResponder& ident() { return world.app->ident(); }
    fake::FakeIdentSocket& socket() { return world.identSocket; }
    void requesterConnects() { socket().events->onConnectionRequest(); }
    // The world's news, and whether the socket listens or serves.
    std::string news() {
        return world.news() + (socket().listening ? "listening" : "") +
               (socket().accepted ? "serving" : "");
    }

    fake::FakeWorld world;
};

TEST_F(IdentResponderTest, ListensOnThePortOfTheSettingsOr113) {
    world.connect(); // every attempt listens
    EXPECT_EQ(socket().listenPort, 113);
    for (const auto& [port, used] : {std::pair{"11300", 11300}, {"abc", 113}, {"70000", 113}}) {
        world.files.files["vuvivaz.ini"] = std::string("[Ident]\r\nPort=") + port;
        ident().Listen();
        EXPECT_EQ(socket().listenPort, used) << port;
    }
}

// Accepting stops listening; the first reply goes out at once, and the query
// (its last two characters dropped) is shown and answered, which ends serving.
TEST_F(IdentResponderTest, ServesOneRequesterPerAttempt) {
    const std::tuple<const char*, int, Lines, std::string> rows[] = {
        // name, tokens taken beforehand, what the requester sends, query
        {"answered and shown", 0, {"6191, 6667\r\n"}, "6191, 6667"},
        {"line feed alone: a character too many is lost", 0, {"6191, 6667\n"}, "6191, 666"},
        {"no comma and blank: dropped", 0, {"6191,6667\r\n", "35052 , 16668\r\n"}, "35052 , 16668"},
        {"reply limit reached: not answered", ReplyLimiter::Capacity - 1, {"1, 2\r\n"}, "1, 2"},
    };
    for (const auto& [name, taken, sends, query] : rows) {
        SCOPED_TRACE(name);
        world.clock.advance(60000); // the reply limit fills up again
        for (int i = 0; i < taken; ++i)
            world.app->replyLimiter().tryTake();
        ident().Listen();
        requesterConnects();
        EXPECT_EQ(news(), "ident: 6667, 40001 : USERID : UNIX : alice|\nserving");
        for (const std::string& bytes : sends)
            socket().events->onDataArrived(bytes);
        const std::string reply = query + " : USERID : UNIX : VuviVAZ";
        EXPECT_EQ(news(), (taken ? "" : "ident: " + reply + "|\n") +
                              "Status:  *** IDENT : " + query + "\n" +
                              (taken ? "" : "Status:  *** IDENT reply : " + reply + "\n"));
        EXPECT_EQ(world.clock.pendingTimers(), 0u);
        requesterConnects(); // a second requester finds no listener
        EXPECT_EQ(news(), "");
    }
}

TEST_F(IdentResponderTest, ServingEndsAfterTenSilentSecondsOnAnErrorOrOnClose) {
    const auto serve = [&] { ident().Listen(), requesterConnects(), news(); };
    const std::pair<std::function<void()>, std::string> steps[] = {
        {[&] { serve(), world.clock.advance(9999); }, "serving"},
        {[&] { world.clock.advance(1); }, ""},
        {[&] { serve(), socket().events->onError(10054, "Connection reset by peer"); },
         "Status:  Error 10054 Connection reset by peer\n"},
        {[&] { ident().Listen(), requesterConnects(), ident().Close(); },
         "ident: 6667, 40001 : USERID : UNIX : alice|\n"},
        {[&] { ident().Listen(), ident().Close(); }, ""},
        {[&] { socket().refuseBind = true, ident().Listen(); },
         "Status:  Error 13 The address is protected\n"},
    };
    for (const auto& [step, shown] : steps) {
        step();
        EXPECT_EQ(news(), shown);
    }
    EXPECT_EQ(world.mainWindow.icon, 3);
    EXPECT_EQ(world.clock.pendingTimers(), 0u);
}

} // namespace
} // namespace vz
