// Whatever a server sends, the client stays alive, answers PING, sends only
// what it was asked for and keeps the members of its channel right.
#include "app/connection.h"
#include "client_under_test.h"
#include "interpret/interpreter.h"
#include "scripted_server.h"
#include "windows/membership.h"
#include "windows/window_tables.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>
#include <regex>

namespace vz::it {
namespace {

using namespace std::string_literals;

const std::vector<std::string> Members = {"vuvi", "@op", "+voiced", "alice"};

// The welcome, the client's own join of the test channel and its members.
bool welcomeAndJoin(ScriptedServer& server) {
    if (!server.acceptClient())
        return false;
    server.send(
        ":irc.hostile 001 vuvi :Welcome to the Internet Relay Network vuvi\r\n"
        ":vuvi!u@host JOIN :#test\r\n:irc.hostile 353 vuvi = #test :vuvi @op +voiced alice\r\n"
        ":irc.hostile 366 vuvi #test :End of NAMES list\r\n");
    return server.waitFor("^MODE #test$");
}

// " x" `count` times.
std::string params(int count) {
    std::string text;
    for (int n = 0; n < count; ++n)
        text += " x";
    return text;
}

std::vector<std::string> membersOf(ClientUnderTest& client) {
    const frmChat* chat = client.app->tables().channelNamed("#test");
    if (chat == nullptr)
        return {"(no window)"};
    std::vector<std::string> rows;
    for (std::size_t position = 0; position < chat->Users.size(); ++position)
        rows.push_back(FormatNick(chat->Users[position]));
    return rows;
}

class HostileServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        client.start();
        client.connect();
        ASSERT_TRUE(welcomeAndJoin(server)) << server.transcript() << client.statusTranscript();
    }
    void expectSurvived(const std::vector<std::string>& members) {
        server.sendLine("PING :probe");
        EXPECT_TRUE(server.waitFor("^PONG :probe$")) << server.transcript();
        EXPECT_EQ(server.unaskedLines("vuvi"), "");
        EXPECT_EQ(client.app->connection().backlogBytes(), 0u);
        EXPECT_EQ(membersOf(client), members);
        // Without the window (which membersOf reports) this throws and fails.
        EXPECT_EQ(client.chatView("#test").userList.rows, members);
    }

    ScriptedServer server;
    ClientUnderTest client{ClientSettings{server.port()}};
};

// Every command with a handler, with no parameter, one and 300, from a user
// outside the channel, from a server and without a prefix.
class HandledCommandTest : public HostileServerTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(HandledCommandTest, ChangesNothingOfTheChannel) {
    for (const std::string prefix : {":h!u@host ", ":irc.hostile ", ""})
        for (const int count : {0, 1, 300})
            server.sendLine(prefix + GetParam() + params(count));
    expectSurvived(Members);
}

INSTANTIATE_TEST_SUITE_P(DispatchTable, HandledCommandTest, ::testing::ValuesIn(HandledCommands()),
                         [](const auto& info) { return info.param; });

// `times` lines of `pattern` with its number in place of each "%": 1, 2, ...
// or, with `down`, from `times` down to 1.
std::string numbered(int times, const std::string& pattern, bool down = false) {
    const std::regex mark("%");
    std::string lines;
    for (int n = 1; n <= times; ++n)
        lines +=
            std::regex_replace(pattern, mark, std::to_string(down ? times + 1 - n : n)) + "\r\n";
    return lines;
}

std::vector<std::string> membersAnd(std::vector<std::string> added, int joiners = 0) {
    std::vector<std::string> members = Members;
    members.insert(members.end(), added.begin(), added.end());
    for (int n = 1; n <= joiners; ++n)
        members.push_back("n" + std::to_string(n));
    return members;
}

const std::string Yura = "\xd0\xae\xd1\x80\xd0\xb0", Yura1251 = "\xde\xf0\xe0";

struct HostileCase {
    const char* name;
    std::function<void(ScriptedServer&)> script;
    std::vector<std::string> members = Members; // of the test channel afterwards
};

// A script that sends `bytes` in one go.
std::function<void(ScriptedServer&)> sends(const std::string& bytes) {
    return [bytes](ScriptedServer& s) { s.send(bytes); };
}

const HostileCase Cases[] = {
    {"nul_bytes",
     sends(":nul\0nick!u@host JOIN #test\r\n:alice!u@host PRIVMSG #test :a\0b\r\n"
           "PING :x\0y\r\n\0\0\0\r\n:op!u@host MODE #test +v \0\r\n"s),
     membersAnd({"nul\0nick"s})},
    {"invalid_utf8",
     sends(":\xc0\xed\xff!u@host JOIN #test\r\n:bad\xd0!u@host JOIN #test\r\n"
           ":op!u@host PRIVMSG #test :\xc3\x28 \xe2\x82 \xed\xa0\x80 \xc0\xaf \xf8\x88\r\n"),
     membersAnd({"\xd0\x90\xd0\xbd\xd1\x8f", "bad\xd0\xa0"})},
    {"mixed_encodings",
     sends(":" + Yura + "!u@host JOIN #test\r\n:" + Yura1251 + "!u@host QUIT :bye\r\n:" + Yura1251 +
           "!u@host JOIN #test :" + Yura + "\r\n"),
     membersAnd({Yura})},
    {"one_megabyte_lines",
     sends(":alice!u@host PRIVMSG #test :" + std::string(1 << 20, 'a') +
           "\r\nPING :" + std::string(1 << 20, 'a') + "\r\n:dave!u@host JOIN #test" +
           params(1 << 19) + "\r\n:erin!u@host JOIN #test\r\n"),
     membersAnd({"dave", "erin"})},
    {"ten_thousand_joins", sends(numbered(10000, ":n%!u@host JOIN #test")), membersAnd({}, 10000)},
    // Last in, first out: the fake nick list removes a row in linear time.
    {"ten_thousand_joins_then_quits",
     sends(numbered(10000, ":n%!u@host JOIN #test") + numbered(10000, ":n%!u@host QUIT", true))},
    {"thirty_one_own_joins", sends(numbered(31, ":vuvi!u@host JOIN #c%"))},
    {"thirty_one_private_senders", sends(numbered(31, ":p%!u@h PRIVMSG vuvi :hi"))},
    {"thirty_one_ctcp_senders",
     sends(numbered(
         31, ":p%!u@h PRIVMSG vuvi :\x01VERSION\x01\r\n:p%!u@h PRIVMSG vuvi :\x01PING 1\x01"))},
    {"ping_flood", sends(numbered(10000, "PING :flood%"))},
    {"nick_and_welcome_without_a_nick",
     sends(":vuvi!u@host NICK\r\n:irc.hostile 001\r\n:irc.hostile JOIN #server\r\n"
           ":irc.hostile PART #test\r\n")},
    {"status_signs_in_nicks",
     sends(":a+b!u@host JOIN #test\r\n:a+b!u@host QUIT\r\n:irc.hostile 353 vuvi = #test :@ + %\r\n"
           ":alice!u@host NICK @alice\r\n:@alice!u@host QUIT\r\n")},
    {"stall_in_the_middle_of_a_line",
     [](ScriptedServer& s) {
         s.send(":dave!u@host JO");
         waitUntil([] { return false; }, 500); // sends nothing for half a second
         s.send("IN #test\r\n:" + Yura.substr(0, 1));
         waitUntil([] { return false; }, 500);
         s.send(Yura.substr(1) + "!u@host JOIN #test\r\n");
     },
     membersAnd({"dave", Yura})},
    {"connection_reset",
     [](ScriptedServer& s) {
         s.send(":dave!u@host JOIN #test\r\n:erin!u@host JO");
         s.reset();
         welcomeAndJoin(s);
     }},
    // One byte per write, with a turn of the event loop after each, so the
    // client reads them one at a time.
    {"one_byte_at_a_time",
     [](ScriptedServer& s) {
         for (const char byte : ":carol!u@host JOIN #test\r\n:alice!u@host PART #test :bye\r\n"
                                "PING :slow\r\n:" +
                                    Yura + "!u@host JOIN #test\r\n") {
             s.send(std::string(1, byte));
             QCoreApplication::processEvents();
         }
     },
     {"vuvi", "@op", "+voiced", "carol", Yura}},
};

void PrintTo(const HostileCase& row, std::ostream* out) {
    *out << row.name;
}

class HostileScriptTest : public HostileServerTest,
                          public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileScriptTest, ClientSurvives) {
    GetParam().script(server);
    expectSurvived(GetParam().members);
}

INSTANTIATE_TEST_SUITE_P(Scripts, HostileScriptTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vz::it
