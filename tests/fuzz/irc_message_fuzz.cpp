// The linear server-line parser against the earlier one, which rebuilt the
// rest of the line for every parameter: both must give the same message and
// the same joined parameters for every line.
#include "fuzz_support.h"
#include "interpret/irc_message.h"
#include "text/words.h"

namespace {

// The earlier parser, kept here as the oracle.
namespace oracle {

void parsePrefix(const std::string& prefix, vz::IrcMessage& msg) {
    msg.strPrefix = prefix;
    msg.strHost = prefix;
    if (prefix.find('!') == std::string::npos)
        return;
    std::string remainder;
    vz::SplitAtFirst(prefix, '!', msg.strNick, remainder);
    vz::SplitAtFirst(remainder, '@', msg.strUser, msg.strHost);
}

void parseParams(std::string rest, vz::IrcMessage& msg) {
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

void ParseLine(const std::string& line, vz::IrcMessage& msg) {
    msg = vz::IrcMessage{};
    msg.intCount = 1;
    msg.Params.assign(2, std::string());
    std::string rest = line;
    if (!rest.empty() && rest.front() == ':') {
        std::string prefix;
        vz::SplitAtFirst(rest.substr(1), ' ', prefix, rest);
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

} // namespace oracle

bool same(const vz::IrcMessage& a, const vz::IrcMessage& b) {
    return a.Params == b.Params && a.intCount == b.intCount && a.strPrefix == b.strPrefix &&
           a.strCommand == b.strCommand && a.strNick == b.strNick && a.strUser == b.strUser &&
           a.strHost == b.strHost && a.strParams == b.strParams;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line = vz::fuzz::text(data, size);
    vz::IrcMessage now, before;
    vz::ParseLine(line, now);
    oracle::ParseLine(line, before);
    vz::fuzz::check(same(now, before), "the parser agrees with the oracle");
    const int n = now.intCount;
    const std::pair<int, int> ranges[] = {{0, -1}, {1, -1},     {2, -1}, {3, -1},    {2, 3},
                                          {n, -1}, {n + 1, -1}, {1, n},  {n - 1, n}, {2, 1}};
    const auto words = std::span<const std::string>(before.Params).first(before.intCount + 1);
    for (const auto& [from, to] : ranges)
        vz::fuzz::check(vz::JoinParams(now, from, to) == vz::GetWords(words, from, to),
                        "joined parameters agree");
    return 0;
}
