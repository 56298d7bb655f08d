#include "interpret/irc_message.h"

namespace vz {

const std::string& IrcMessage::param(int n) const {
    static const std::string empty;
    if (n < 1 || n > intCount || n >= static_cast<int>(Params.size()))
        return empty;
    return Params[n];
}

void SplitAtFirst(const std::string&, char, std::string&, std::string&) {}
void ParseLine(const std::string&, IrcMessage&) {}
std::string JoinParams(const IrcMessage&, int, int) { return {}; }

} // namespace vz
