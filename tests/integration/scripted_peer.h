#pragma once

#include "line_client.h"
#include "ngircd_server.h"

#include <string>
#include <utility>

namespace vz::it {

// A second IRC user, scripted by the test.
class ScriptedPeer : public LineClient {
public:
    explicit ScriptedPeer(std::string nick) : nick_(std::move(nick)) {}

    // Connects, sends PASS (with a password), NICK and USER and waits for
    // the welcome reply; the sign-on PING is answered on the way.
    bool signOn(int port, const std::string& password = "") {
        if (!connectTo(port))
            return false;
        if (!password.empty())
            sendLine("PASS " + password);
        sendLine("NICK " + nick_);
        sendLine("USER " + nick_ + " 0 * :Scripted " + nick_);
        return waitFor(" 001 " + nick_ + " ").has_value();
    }
    // Becomes an IRC operator with user mode +F, so the server relays its
    // lines without flood pacing.
    bool becomeUnthrottledOperator() {
        sendLine(std::string("OPER ") + NgircdServer::OperatorName + " " +
                 NgircdServer::OperatorPassword);
        sendLine("MODE " + nick_ + " +F");
        return waitFor(" MODE " + nick_ + " :\\+F").has_value();
    }
    // Joins and waits for the end of the names list.
    bool join(const std::string& channel) {
        sendLine("JOIN " + channel);
        return waitFor(" 366 " + nick_ + " " + channel + " ").has_value();
    }
    void say(const std::string& target, const std::string& text) {
        sendLine("PRIVMSG " + target + " :" + text);
    }

private:
    std::string nick_;
};

} // namespace vz::it
