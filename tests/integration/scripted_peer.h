#pragma once

#include "line_client.h"

#include <string>

namespace vz::it {

// A second IRC user, scripted by the test: signs on to the local server,
// answers PING by itself, sends lines and waits for what it receives.
class ScriptedPeer : public LineClient {
public:
    explicit ScriptedPeer(std::string nick);

    // Connects, sends NICK and USER, answers the sign-on PING and waits for
    // the welcome reply.
    bool signOn(int port, int timeoutMs = DefaultWaitMs);
    // Becomes an IRC operator and sets user mode +F, so the server relays
    // its lines without flood pacing.
    bool becomeUnthrottledOperator();
    // Changes nick and waits until the server confirms it.
    bool changeNick(const std::string& nick);
    // Joins and waits for the end of the names list.
    bool join(const std::string& channel);
    // PRIVMSG target :text
    void say(const std::string& target, const std::string& text);

    const std::string& nick() const { return nick_; }

private:
    std::string nick_;
};

// The text of the CTCP request or reply `body` (between two \x01 marks).
std::string ctcp(const std::string& body);

} // namespace vz::it
