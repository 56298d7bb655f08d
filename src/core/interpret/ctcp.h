// CTCP requests that this program answers, and its version answers.
#pragma once

#include "windows/window_host.h"

#include <string>

namespace vz {

class ProtocolHost;

// Shows and answers a VERSION or PING request from `strNick`; other requests
// are ignored. `strData` is the whole message text, beginning with the mark;
// it loses its first and last character (the caller sees the change). An
// answer goes out only while the automatic-reply limiter allows one.
void HandleCTCP(ProtocolHost& main, const std::string& strNick, std::string& strData);
// Sends `strReply` to `strNick` as a CTCP reply in a NOTICE.
void CTCPReply(ProtocolHost& main, const std::string& strNick, const std::string& strReply);

// The body of `kind`'s version answer, without the marks.
std::string VersionReply(VersionAnswer kind);
// Sends `kind`'s version answer to `nick` as a CTCP reply, while the
// automatic-reply limiter allows one.
void AnswerVersion(ProtocolHost& main, const std::string& nick, VersionAnswer kind);

} // namespace vz
