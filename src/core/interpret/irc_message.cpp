// A server line parsed into prefix, command and parameters.
#include "interpret/irc_message.h"

#include "text/words.h"

namespace vz {

const std::string& IrcMessage::param(int n) const {
    static const std::string empty;
    if (n < 1 || n > intCount || n >= static_cast<int>(Params.size()))
        return empty;
    return Params[n];
}

namespace {

void parsePrefix(const std::string& prefix, IrcMessage& msg) {
    msg.strPrefix = prefix;
    msg.strHost = prefix;
    if (prefix.find('!') == std::string::npos)
        return;
    std::string remainder;
    SplitAtFirst(prefix, '!', msg.strNick, remainder);
    SplitAtFirst(remainder, '@', msg.strUser, msg.strHost);
}

void parseParams(std::string rest, IrcMessage& msg) {
    while (true) {
        std::string& slot = msg.Params[msg.intCount];
        if (!rest.empty() && rest.front() == ':') {
            slot = rest.substr(1);
            return;
        }
        const auto blank = rest.find(' ');
        if (blank == std::string::npos) {
            slot = std::move(rest);
            return;
        }
        slot = rest.substr(0, blank);
        rest.erase(0, blank + 1);
        ++msg.intCount;
        msg.Params.emplace_back();
    }
}

} // namespace

void ParseLine(const std::string& line, IrcMessage& msg) {
    msg = IrcMessage{};
    msg.intCount = 1;
    msg.Params.assign(2, std::string());

    std::string rest = line;
    if (!rest.empty() && rest.front() == ':') {
        std::string prefix;
        SplitAtFirst(rest.substr(1), ' ', prefix, rest);
        parsePrefix(prefix, msg);
    }
    const auto blank = rest.find(' ');
    if (blank == std::string::npos) {
        msg.intCount = 0;
        msg.strCommand = rest;
        return;
    }
    msg.strCommand = rest.substr(0, blank);
    msg.strParams = rest.substr(blank + 1);
    parseParams(msg.strParams, msg);
}

std::string JoinParams(const IrcMessage& msg, int from, int to) {
    return GetWords(std::span(msg.Params).first(msg.intCount + 1), from, to);
}

} // namespace vz
