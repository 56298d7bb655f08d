#pragma once

#include <string>

namespace vz {

class frmMain;

// Opens and closes every CTCP body.
constexpr char CtcpMark = '\x01';

// Answers VERSION and PING; `strData` loses its first and last character.
void HandleCTCP(frmMain& main, const std::string& strNick, std::string& strData);
void CTCPReply(frmMain& main, const std::string& strNick, const std::string& strReply);

} // namespace vz
