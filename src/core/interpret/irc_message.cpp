// A server line parsed into prefix, command and parameters.
#include "interpret/irc_message.h"

#include "text/words.h"

#include <string_view>

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

// Walks the parameters once with a position, so a line with many parameters
// costs time in proportion to its length.
void parseParams(std::string_view rest, IrcMessage& msg) {
    std::size_t from = 0;
    while (true) {
        std::string& slot = msg.Params[msg.intCount];
        if (from < rest.size() && rest[from] == ':') {
            slot = rest.substr(from + 1);
            return;
        }
        const auto blank = rest.find(' ', from);
        if (blank == std::string_view::npos) {
            slot = rest.substr(from);
            return;
        }
        slot = rest.substr(from, blank - from);
        from = blank + 1;
        ++msg.intCount;
        msg.Params.emplace_back();
    }
}

} // namespace

void ParseLine(const std::string& line, IrcMessage& msg) {
    msg = IrcMessage{};
    msg.intCount = 1;
    msg.Params.assign(2, std::string());

    std::string_view rest = line;
    if (!rest.empty() && rest.front() == ':') {
        // A prefix without a blank after it is read as the command too.
        rest.remove_prefix(1);
        const auto blank = rest.find(' ');
        parsePrefix(std::string(rest.substr(0, blank)), msg);
        if (blank != std::string_view::npos)
            rest.remove_prefix(blank + 1);
    }
    const auto blank = rest.find(' ');
    if (blank == std::string_view::npos) {
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
