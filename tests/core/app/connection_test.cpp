#include "app/line_assembler.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

// Each row feeds its reads to a new assembler; lines come out joined, cut at
// line feeds with their CRs kept, at most MaxLineBytes long.
TEST(LineAssemblerTest, JoinsReadsIntoLinesAndCapsTheirLength) {
    const std::string cap(LineAssembler::MaxLineBytes, 'x');
    const std::tuple<const char*, Lines, Lines> rows[] = {
        {"cut at line feeds, joined over reads",
         {"A\r\nB\r\nC", "\r\n", "\n"},
         {"A\r", "B\r", "C\r", ""}},
        {"overlong: cut, the rest dropped",
         {cap + "xyz", std::string(500000, 'y'), "tail\nnext\n"},
         {cap, "next"}},
        {"cut back to a whole character", {cap.substr(1) + "ї and more"}, {cap.substr(1)}},
    };
    for (const auto& [name, reads, lines] : rows) {
        SCOPED_TRACE(name);
        LineAssembler assembler;
        Lines out;
        for (const std::string& bytes : reads)
            for (std::string& line : assembler.feed(bytes))
                out.push_back(line);
        EXPECT_EQ(out, lines);
    }
}

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() {
        world.startWith("[Options]|Nick=me|FullName=Real Name|[Last]|Server=irc.test");
    }
    Globals& g() { return world.app->globals(); }
    Connection& connection() { return world.app->connection(); }
    void arrive(const std::string& bytes) { world.server.events->onDataArrived(bytes); }
    void fail() { world.server.events->onError(10061, "refused"); }
    // The next attempt starts `delay` ms after `failure`, not before; returns
    // the world's news up to then.
    std::string expectRetryAfter(int delay, const std::function<void()>& failure) {
        const int connects = world.server.connects;
        failure();
        world.clock.advance(delay - 1);
        EXPECT_EQ(world.server.connects, connects) << delay;
        world.clock.advance(1);
        EXPECT_EQ(world.server.connects, connects + 1) << delay;
        return world.news();
    }
    // Caption, icon, connect button, whether the connection menus are on,
    // attempt number, attempts made, whether the socket is open.
    std::string state() {
        const fake::FakeMainWindow& w = world.mainWindow;
        return w.caption() + ", icon " + std::to_string(w.icon) + ", button " +
               std::to_string(w.toolImages.at(1)) + (w.isMenuEnabled("mnuJoin") ? ", menus" : "") +
               ", try " + std::to_string(g().ConnectTry) + ", " +
               std::to_string(world.server.connects) + " made" +
               (world.server.open ? ", open" : "");
    }

    fake::FakeWorld world;
};

// A line typed before the socket reports the connection would reach the
// server before the sign-on lines. The last connection's windows close
// without a word. A SASL account asks for the capabilities instead of PASS.
TEST_F(ConnectionTest, SignOnComesFirstWithPassOnlyForAPassword) {
    for (const auto& [password, account, signOn] :
         {std::tuple{"", "", "NICK me\nUSER me 127.0.0.1 irc :Real Name\n"},
          {"s3cret", "", "PASS s3cret\nNICK me\nUSER me 127.0.0.1 irc :Real Name\n"},
          {"s3cret", "me", "CAP LS 302\nNICK me\nUSER me 127.0.0.1 irc :Real Name\n"}}) {
        g().Password = password;
        g().SaslUser = account;
        world.app->tables().OpenChannel("#old");
        world.app->tables().OpenPrivat("bob", "Vorn");
        if (world.server.open)
            fail(); // the second attempt follows an error
        connection().ConnectTo();
        world.app->SendData("PRIVMSG #a :early");
        world.server.events->onConnected();
        world.app->SendData("PRIVMSG #a :x\r");
        world.app->SendData("");
        EXPECT_EQ(std::exchange(world.server.sent, ""),
                  signOn + std::string("PRIVMSG #a :x\r\n\n"));
        EXPECT_FALSE(world.app->tables().ChannelExists("#old"));
        EXPECT_FALSE(world.app->tables().PrivatExists("bob"));
    }
    world.clock.advance(60000); // connecting cancelled the retry after the error
    EXPECT_EQ(state(), "VuviVAZ - irc.test, icon 2, button 2, menus, try 4, 3 made, open");
}

TEST_F(ConnectionTest, RetryWaitsTwiceAsLongAfterEachFailureInARowUpToAMinute) {
    g().Server = "irc.test <Test network>";
    connection().ConnectTo();
    EXPECT_EQ(world.news(), "Status:  ***  Connecting to irc.test :6667\n");
    EXPECT_EQ(world.server.host + "|" + g().Server, "irc.test |irc.test ");
    for (const int delay : {2000, 4000, 8000, 16000, 32000, 60000})
        expectRetryAfter(delay, [&] { fail(); });
    EXPECT_EQ(expectRetryAfter(60000, [&] { fail(); }),
              "Status:  refused\nStatus:  -\nStatus:  *** #8 Connecting to irc.test :6667\n");
    world.server.events->onConnected();
    const auto closed = [&] {
        world.server.events->onClosedByServer();
        world.app->SendData("PRIVMSG #a :lost"); // nothing is sent before the next sign-on
    };
    EXPECT_EQ(expectRetryAfter(2000, closed),
              "sent: NICK me\nsent: USER me 127.0.0.1 irc :Real Name\n"
              "Status:  Connected to irc.test \nStatus:  Connection closed by server\n"
              "Status:  -\nStatus:  *** #9 Connecting to irc.test :6667\n");
    EXPECT_EQ(state(), "VuviVAZ - irc.test , icon 4, button 2, menus, try 10, 9 made, open");
    g().ConnectTry = Connection::AttemptLimit - 1; // one attempt left
    expectRetryAfter(4000, [&] { fail(); });
    fail();
    world.clock.advance(60000);
    EXPECT_EQ(state(), "VuviVAZ - irc.test , icon 4, button 2, menus, try 100, 10 made");
}

TEST_F(ConnectionTest, DisconnectingEndsRetrying) {
    for (const bool ownQuit : {false, true}) {
        SCOPED_TRACE(ownQuit ? "server closes after our QUIT" : "disconnect while a retry waits");
        world.connect();
        if (ownQuit) {
            world.app->SendData("QUIT :bye");
            world.server.events->onClosedByServer();
        } else {
            fail();
            connection().DisconnectToIRC();
        }
        world.clock.advance(120000);
        world.takeSent();
        world.app->SendData("PING :late"); // nothing goes out on a closed connection
        EXPECT_EQ(world.takeSent(), std::vector<std::string>{});
        EXPECT_EQ(world.statusLast(), " *** Disconnect");
        // one attempt made in each row: none is retried
        EXPECT_EQ(state(),
                  "VuviVAZ, icon 1, button 1, try 1, " + std::to_string(1 + ownQuit) + " made");
        EXPECT_FALSE(world.identSocket.listening);
    }
}

// A TLS attempt hands the socket the fingerprint stored for its host and
// port. A certificate the socket rejects ends the attempt as a disconnect
// does, without a retry, and asks the user: Accept stores it under the host
// as typed and the port without "+" and tries again at once; Reject does not.
TEST_F(ConnectionTest, RejectedCertificateEndsTheAttemptAndAsksTheUser) {
    const std::string fingerprint(64, 'b');
    g().Server = "IRC.Test";
    g().ServerPort = IrcPort{6697, true};
    world.files.files["Ukrainian.lng"] = "[Certificate]\r\nbtnAccept=Так\r\n";
    for (const bool accept : {false, true}) {
        SCOPED_TRACE(accept ? "accept" : "reject");
        connection().ConnectTo();
        const int connects = world.server.connects;
        world.server.events->onCertificateRejected("self-signed", fingerprint);
        world.clock.advance(120000);
        EXPECT_EQ(world.news(), "Status:  ***  Connecting to IRC.Test:+6697\nStatus:  *** "
                                "Сертифікат сервера не пройшов перевірку: self-signed (SHA-256 " +
                                    fingerprint + ")\n");
        EXPECT_EQ(state(),
                  "VuviVAZ, icon 1, button 1, try 1, " + std::to_string(1 + accept) + " made");
        EXPECT_EQ(world.ui.certificate->details, "IRC.Test:6697 | self-signed | " + fingerprint);
        EXPECT_EQ(world.server.acceptedFingerprint, "");
        accept ? world.ui.certificateEvents->onAccept() : world.ui.certificateEvents->onReject();
        EXPECT_FALSE(world.ui.certificate->visible);
        EXPECT_EQ(world.server.connects, connects + (accept ? 1 : 0));
    }
    EXPECT_EQ(world.ui.certificate->shows, 2);
    EXPECT_EQ(world.ui.certificate->captions["btnAccept"], "Так");
    EXPECT_EQ(world.server.acceptedFingerprint, fingerprint);
    EXPECT_NE(world.files.files["vuvivaz.ini"].find("\nIRC.Test:6697=" + fingerprint + "\r\n"),
              std::string::npos);
}

// Showing a line lets events run once (as a nested event loop would); each
// row's events happen then. A handler that fails is reported. Lines are
// decoded ("\xB2" is "І" in Windows-1251).
TEST_F(ConnectionTest, DataThatArrivesWhileAHandlerLetsEventsRun) {
    const std::tuple<const char*, std::function<void()>, std::string> rows[] = {
        {"waits behind the lines before it",
         [&] {
             arrive("X 3\r\nX");
             arrive(" 4\r\n");
             EXPECT_EQ(connection().backlogBytes(), 12u); // "X \xB2\r", "X 3\r" and "X 4\r"
         },
         "Status:  *** X 1\nStatus:  *** X І\nStatus:  *** X 3\nStatus:  *** X 4\n"},
        {"behind a failing handler is dropped", [] { throw std::runtime_error("boom"); },
         "Status:  *** X 1\n"},
        {"of a replaced connection is dropped, a part line too; the new connection's is not",
         [&] {
             arrive("X 3\r\nX");
             connection().ConnectTo();
             world.server.events->onConnected();
             arrive("X 4\r\n");
         },
         "sent: NICK me\nsent: USER me 127.0.0.1 irc :Real Name\nStatus:  *** X 1\n"
         "Status:  *** #2 Connecting to irc.test:6667\nStatus:  Connected to irc.test\n"
         "Status:  *** X 4\n"},
        {"of a closed connection is dropped",
         [&] {
             arrive("X 3\r\n");
             connection().DisconnectToIRC();
         },
         "Status:  *** X 1\nStatus:  *** Disconnect\n"},
    };
    world.connect();
    world.statusText().whileAppending = [&] { world.pump.runPending(); };
    for (const auto& [name, meanwhile, news] : rows) {
        SCOPED_TRACE(name);
        world.pump.post(meanwhile);
        arrive("X 1\r\nX \xB2\r\n");
        EXPECT_EQ(world.news(), news);
    }
    EXPECT_EQ(world.mainWindow.messages, Lines{"VuviVAZ: Ошибка № 0\nboom"}); // the failure
}

} // namespace
} // namespace vz
