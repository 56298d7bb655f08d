// A server line parsed into prefix, command and parameters.
#pragma once

#include <string>
#include <vector>

namespace vz {

// One parsed server line. Parameters are numbered from 1.
struct IrcMessage {
    std::vector<std::string> Params; // Params[0] is unused
    int intCount = 0;
    std::string strPrefix;
    std::string strCommand;
    std::string strNick;
    std::string strUser;
    std::string strHost;
    std::string strParams;

    // Parameter n, or the empty string outside 1 to intCount.
    const std::string& param(int n) const;
};

void ParseLine(const std::string& line, IrcMessage& msg);
// Parameters from..to (to = -1: the last) joined by blanks, CRs removed.
std::string JoinParams(const IrcMessage& msg, int from, int to);

} // namespace vz
