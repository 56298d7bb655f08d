#include "interpret/ctcp.h"

#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "text/color_writer.h"
#include "text/control_codes.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const std::string Mark(1, CtcpMark);
const std::string VersionReply = "NOTICE A :" + Mark + "VERSION VuviVAZ for Windows" + Mark;
const std::string PingReply = "NOTICE A :" + Mark + "PING 0 seconds, cause VuviVAZ is elite" + Mark;

class CtcpTest : public ::testing::Test {
protected:
    CtcpTest() {
        world.start();
        world.connect();
        world.takeSent();
    }

    // A request from nick A as the interpreter hands it over; returns what
    // the caller's string became.
    std::string request(const std::string& text) {
        std::string data = text;
        HandleCTCP(*world.app, "A", data);
        return data;
    }

    fake::FakeWorld world;
};

TEST_F(CtcpTest, VersionIsShownInColourFiveAndAnsweredInAnyCase) {
    for (const char* word : {"VERSION", "version", "Version"}) {
        request(Mark + word + Mark);
        EXPECT_EQ(world.statusLast(), " A has just requested your client version") << word;
        EXPECT_EQ(world.takeSent(), std::vector<std::string>{VersionReply}) << word;
    }
    EXPECT_EQ(world.statusText().lines.back().back().attr.rgb, GetColor(5));
}

TEST_F(CtcpTest, PingIsAnsweredWithTheFixedTextNotTheArgument) {
    request(Mark + "PING 1718000000" + Mark);
    EXPECT_EQ(world.statusLast(), " A has just pinged you");
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{PingReply});
}

TEST_F(CtcpTest, CallersStringLosesBothMarks) {
    EXPECT_EQ(request(Mark + "PING 123" + Mark), "PING 123");
}

TEST_F(CtcpTest, RequestWithoutClosingMarkLosesItsLastCharacter) {
    EXPECT_EQ(request(Mark + "PING 123"), "PING 12");
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{PingReply});
    // The lost character may be the end of the command word itself.
    EXPECT_EQ(request(Mark + "VERSION"), "VERSIO");
    EXPECT_TRUE(world.takeSent().empty());
}

TEST_F(CtcpTest, LoneMarkEndsQuietly) {
    const auto linesBefore = world.statusText().lines.size();
    EXPECT_EQ(request(Mark), "");
    EXPECT_EQ(world.statusText().lines.size(), linesBefore);
    EXPECT_TRUE(world.takeSent().empty());
}

TEST_F(CtcpTest, OtherRequestsAreNeitherShownNorAnswered) {
    const auto linesBefore = world.statusText().lines.size();
    request(Mark + "TIME" + Mark);
    request(Mark + "ACTION waves" + Mark);
    request(Mark + "VERSIONS" + Mark);
    EXPECT_EQ(world.statusText().lines.size(), linesBefore);
    EXPECT_TRUE(world.takeSent().empty());
}

TEST_F(CtcpTest, StatusLinesAreNotLogged) {
    world.app->globals().LogChannels = "1";
    world.app->globals().LogPrivats = "1";
    const auto filesBefore = world.files.files;
    request(Mark + "VERSION" + Mark);
    request(Mark + "PING" + Mark);
    EXPECT_EQ(world.files.files, filesBefore);
}

TEST_F(CtcpTest, CtcpReplyFramesTheTextInANotice) {
    CTCPReply(*world.app, "bob", "TIME now");
    EXPECT_EQ(world.takeSent(),
              std::vector<std::string>{"NOTICE bob :" + Mark + "TIME now" + Mark});
}

TEST_F(CtcpTest, FiveAnswersAtOnceThenOneEverySixSeconds) {
    for (int i = 0; i < 5; ++i)
        request(Mark + "VERSION" + Mark);
    EXPECT_EQ(world.takeSent().size(), 5u);

    request(Mark + "PING" + Mark);
    EXPECT_EQ(world.statusLast(), " A has just pinged you");
    EXPECT_TRUE(world.takeSent().empty());

    world.clock.advance(6000);
    request(Mark + "PING" + Mark);
    request(Mark + "PING" + Mark);
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{PingReply});
}

TEST_F(CtcpTest, FloodIsShownInFullButAnsweredOnlyFiveTimes) {
    const auto linesBefore = world.statusText().lines.size();
    for (int i = 0; i < 50; ++i)
        request(Mark + "VERSION" + Mark);
    EXPECT_EQ(world.statusText().lines.size(), linesBefore + 50);
    EXPECT_EQ(world.takeSent().size(), 5u);
}

TEST_F(CtcpTest, PrivateRequestFromTheServerIsAnswered) {
    world.app->globals().Nick = "me";
    world.serverSays(":A!a@h PRIVMSG me :" + Mark + "PING 123" + Mark);
    EXPECT_EQ(world.statusLast(), " A has just pinged you");
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{PingReply});
}

} // namespace
} // namespace vz
