// CTCP requests that this program answers, and its version answers.
#include "interpret/ctcp.h"

#include "config/version.h"
#include "interpret/protocol_host.h"
#include "interpret/reply_limiter.h"
#include "text/case_fold.h"
#include "text/control_codes.h"
#include "text/utf8.h"
#include "windows/frm_status.h"

namespace vz {

namespace {

struct CtcpAnswer {
    const char* command; // lower case
    const char* statusText;
    VersionAnswer version; // used for "version" only
    const char* reply;     // the answer to any other request
};

// The requests this program answers; the request's argument is never echoed.
const CtcpAnswer Answers[] = {
    {"version", " has just requested your client version", VersionAnswer::CtcpRequest, nullptr},
    {"ping", " has just pinged you", {}, "PING 0 seconds, cause VuviVAZ is elite"},
};

// The command word: the body up to its first blank, or the whole body.
std::string commandWord(const std::string& body) {
    return body.substr(0, body.find(' '));
}

const CtcpAnswer* findAnswer(const std::string& command) {
    const std::string folded = foldCase(command);
    for (const CtcpAnswer& answer : Answers)
        if (folded == answer.command)
            return &answer;
    return nullptr;
}

} // namespace

void HandleCTCP(ProtocolHost& main, const std::string& strNick, std::string& strData) {
    if (strData.empty())
        return;
    strData = utf8::dropFirst(strData);
    // A lone mark leaves nothing to take the closing mark from.
    if (strData.empty())
        return;
    strData = utf8::dropLast(strData);
    const CtcpAnswer* answer = findAnswer(commandWord(strData));
    if (!answer)
        return;
    main.PutColorText(main.status().rtfText(), "05" + strNick + answer->statusText, "");
    if (main.replyLimiter().tryTake())
        CTCPReply(main, strNick, answer->reply ? answer->reply : VersionReply(answer->version));
}

void CTCPReply(ProtocolHost& main, const std::string& strNick, const std::string& strReply) {
    main.SendData("NOTICE " + strNick + " :" + CtcpMark + strReply + CtcpMark);
}

// The four answers differ on purpose: each way of asking has always been
// answered with its own text, and people who ask may rely on it.
std::string VersionReply(VersionAnswer kind) {
    switch (kind) {
    case VersionAnswer::CtcpRequest:
        return "VERSION VuviVAZ for Windows";
    case VersionAnswer::OwnRequest:
        return "VERSION VuviVAZ";
    case VersionAnswer::ChannelWindow:
        return "VERSION VuviVAZ v" + VersionText() + " for Windows9x, 2000, XP";
    case VersionAnswer::PrivateWindow:
        return "VERSION VuviVAZ v1.14";
    }
    return {};
}

void AnswerVersion(ProtocolHost& main, const std::string& nick, VersionAnswer kind) {
    if (main.replyLimiter().tryTake())
        CTCPReply(main, nick, VersionReply(kind));
}

} // namespace vz
