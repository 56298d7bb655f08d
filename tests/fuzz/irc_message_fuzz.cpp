// The server-line parser on any line. Invariants: the parts put back together
// give the line again, middle parameters hold no blank and start with no ":",
// the prefix splits into its nick, and joining any range of parameters stays
// within the parameter text.
#include "fuzz_support.h"
#include "interpret/irc_message.h"

namespace {

// The parameter text the parameters were read from.
std::string rejoined(const vz::IrcMessage& msg, bool trailingMark) {
    std::string text;
    for (int n = 1; n < msg.intCount; ++n) {
        vz::fuzz::check(msg.Params[n].find(' ') == std::string::npos, "a middle parameter");
        vz::fuzz::check(!msg.Params[n].starts_with(':'), "a middle parameter");
        text += msg.Params[n] + " ";
    }
    return text + (trailingMark ? ":" : "") + msg.Params[msg.intCount];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line = vz::fuzz::text(data, size);
    vz::IrcMessage msg;
    vz::ParseLine(line, msg);
    const int n = msg.intCount;
    vz::fuzz::check(n == 0 ? msg.strParams.empty() : msg.Params.size() == std::size_t(n) + 1,
                    "one slot per parameter");
    if (n > 0) {
        const std::size_t last = rejoined(msg, false).size() - msg.Params[n].size();
        const bool mark = msg.strParams.size() > last && msg.strParams[last] == ':';
        vz::fuzz::check(rejoined(msg, mark) == msg.strParams, "the parameters give their text");
    }
    const std::string body = msg.strCommand + (n > 0 ? " " + msg.strParams : "");
    const bool prefixed = line.starts_with(':');
    const bool prefixOnly = prefixed && line == ":" + msg.strPrefix && body == msg.strPrefix;
    vz::fuzz::check(prefixOnly || line == (prefixed ? ":" + msg.strPrefix + " " : "") + body,
                    "the parts give the line");
    vz::fuzz::check(msg.strPrefix.find('!') == std::string::npos
                        ? msg.strNick.empty() && msg.strHost == msg.strPrefix
                        : msg.strPrefix.starts_with(msg.strNick + "!"),
                    "the prefix gives the nick");
    for (const auto& [from, to] : {std::pair{0, -1}, {1, -1}, {2, 3}, {n, -1}, {n + 1, -1}, {2, 1}})
        vz::fuzz::check(vz::JoinParams(msg, from, to).size() <= msg.strParams.size(),
                        "joined parameters stay within their text");
    return 0;
}
