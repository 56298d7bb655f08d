#include "scripted_peer.h"

#include "ngircd_server.h"

#include <utility>

namespace vz::it {

ScriptedPeer::ScriptedPeer(std::string nick) : nick_(std::move(nick)) {
    onLine = [this](const std::string& line) {
        if (line.rfind("PING ", 0) == 0)
            sendLine("PONG " + line.substr(5));
    };
}

bool ScriptedPeer::signOn(int port, int timeoutMs) {
    if (!connectTo(port, timeoutMs))
        return false;
    sendLine("NICK " + nick_);
    sendLine("USER " + nick_ + " 0 * :Scripted " + nick_);
    return waitFor(" 001 " + nick_ + " ", timeoutMs).has_value();
}

bool ScriptedPeer::becomeUnthrottledOperator() {
    sendLine(std::string("OPER ") + NgircdServer::OperatorName + " " +
             NgircdServer::OperatorPassword);
    if (!waitFor(" 381 " + nick_ + " "))
        return false;
    sendLine("MODE " + nick_ + " +F");
    return waitFor(" MODE " + nick_ + " :\\+F").has_value();
}

bool ScriptedPeer::changeNick(const std::string& nick) {
    sendLine("NICK " + nick);
    if (!waitFor("^:" + nick_ + "!\\S+ NICK :?" + nick + "$"))
        return false;
    nick_ = nick;
    return true;
}

bool ScriptedPeer::join(const std::string& channel) {
    sendLine("JOIN " + channel);
    return waitFor(" 366 " + nick_ + " " + channel + " ").has_value();
}

void ScriptedPeer::say(const std::string& target, const std::string& text) {
    sendLine("PRIVMSG " + target + " :" + text);
}

std::string ctcp(const std::string& body) {
    return "\x01" + body + "\x01";
}

} // namespace vz::it
