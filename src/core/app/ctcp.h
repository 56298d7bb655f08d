#pragma once

#include <string>

namespace vz {

class frmMain;

// Opens and closes every CTCP body.
constexpr char CtcpMark = '\x01';

// Shows and answers a VERSION or PING request from `strNick`; other requests
// are ignored. `strData` is the whole message text, beginning with the mark;
// it loses its first and last character (the caller sees the change). An
// answer goes out only while the automatic-reply limiter allows one.
void HandleCTCP(frmMain& main, const std::string& strNick, std::string& strData);
// Sends `strReply` to `strNick` as a CTCP reply in a NOTICE.
void CTCPReply(frmMain& main, const std::string& strNick, const std::string& strReply);

} // namespace vz
