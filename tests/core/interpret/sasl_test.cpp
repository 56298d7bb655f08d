#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

std::string repeated(const std::string& text, int times) {
    std::string out;
    while (times-- > 0)
        out += text;
    return out;
}

const std::string Ls = ":s CAP * LS :sasl\n", Ack = ":s CAP * ACK :sasl\n";
const std::string Req = "sent: CAP REQ :sasl\n", Plain = "sent: AUTHENTICATE PLAIN\n";
const std::string Authenticated = Ls + Ack + "AUTHENTICATE +\n";
const std::string Credentials = Req + Plain + "sent: AUTHENTICATE bWUAbWUAcHc=\n";
const std::string End = "sent: CAP END\n";
// "me", NUL, "me", NUL and 294 letters "a" make exactly 400 base64 characters.
const std::string Piece = "bWUAbWUA" + repeated("YWFh", 98);

// The lines the server says after the sign-on, and what is then sent (all of
// it) and shown.
struct Row {
    const char* name;
    std::string said, news;
    std::string password = "pw";
    std::string account = "me";
};

const Row Rows[] = {
    {"listed over several lines, signed in",
     ":s CAP * LS * :multi-prefix\n:s CAP * LS :sasl=EXTERNAL,PLAIN\n" + Ack +
         "AUTHENTICATE +\n:s 903 me :SASL authentication successful",
     Credentials + End + "Status:  *** 903 me SASL authentication successful\n"},
    {"one padding character more", Authenticated, Req + Plain + "sent: AUTHENTICATE bWUAbWUAcA==\n",
     "p"},
    {"exactly 400 characters: an empty piece follows", Authenticated,
     Req + Plain + "sent: AUTHENTICATE " + Piece + "\nsent: AUTHENTICATE +\n", repeated("a", 294)},
    {"one more: two pieces", Authenticated,
     Req + Plain + "sent: AUTHENTICATE " + Piece + "\nsent: AUTHENTICATE YWFh\n",
     repeated("a", 297)},
    {"no PLAIN among the mechanisms", ":s CAP * LS :sasl=EXTERNAL multi-prefix", End},
    {"no sasl", ":s CAP * LS :saslx", End},
    {"refused", Ls + ":s CAP * NAK :sasl", Req + End + "Status:  *** CAP * NAK sasl\n"},
    {"failed once", Authenticated + ":s 904 me :failed\n:s 906 me :aborted",
     Credentials + End + "Status:  *** 904 me failed\nStatus:  *** 906 me aborted\n"},
    {"a server without CAP", ":s 421 me CAP :Unknown command",
     "Status:  *** 421 me CAP Unknown command\n"},
    {"lines out of turn are shown", Ack + "AUTHENTICATE +\n" + Ls + Ls,
     Req +
         "Status:  *** CAP * ACK sasl\nStatus:  *** AUTHENTICATE +\nStatus:  *** CAP * LS sasl\n"},
    {"without an account, all shown", Authenticated + ":s 903 me :ok",
     "Status:  *** CAP * LS sasl\nStatus:  *** CAP * ACK sasl\nStatus:  *** AUTHENTICATE +\n"
     "Status:  *** 903 me ok\n",
     "pw", ""},
};

// Started and connected as "me" with the settings' [Last] SaslUser and
// Password; returns the sign-on lines, each followed by "|".
std::string signOn(fake::FakeWorld& world, const std::string& account,
                   const std::string& password) {
    world.files.files["vuvivaz.ini"] = "[Options]\r\nNick=me\r\n[Last]\r\nServer=irc.test\r\n"
                                       "Password=" +
                                       password + "\r\nSaslUser=" + account + "\r\n";
    world.start();
    world.connect();
    std::string sent;
    for (const std::string& line : world.takeSent())
        sent += line + "|";
    world.news();
    return sent;
}

TEST(SaslTest, OnlyAnAccountAsksForCapabilitiesAndThenNoPassIsSent) {
    for (const std::string account : {"", "me"}) {
        fake::FakeWorld world;
        EXPECT_EQ(signOn(world, account, "pw"),
                  (account.empty() ? "PASS pw|" : "CAP LS 302|") +
                      std::string("NICK me|USER me 127.0.0.1 irc :|"));
    }
}

TEST(SaslTest, SignInStepByStep) {
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.name);
        fake::FakeWorld world;
        signOn(world, row.account, row.password);
        world.serverSays(row.said);
        EXPECT_EQ(world.news(), row.news);
    }
    for (const std::string code : {"902", "905", "908"}) {
        SCOPED_TRACE(code);
        fake::FakeWorld world;
        signOn(world, "me", "pw");
        world.serverSays(Authenticated + ":s " + code + " me :no");
        EXPECT_EQ(world.news(), Credentials + End + "Status:  *** " + code + " me no\n");
    }
}

} // namespace
} // namespace vz
