#include "app/ctcp.h"

#include "app/frm_main.h"
#include "text/case_fold.h"
#include "text/utf8.h"

namespace vz {

namespace {

struct CtcpAnswer {
    const char* command; // lower case
    const char* statusText;
    const char* reply;
};

// The requests this program answers; the request's argument is never echoed.
const CtcpAnswer Answers[] = {
    {"version", " has just requested your client version", "VERSION VuviVAZ for Windows"},
    {"ping", " has just pinged you", "PING 0 seconds, cause VuviVAZ is elite"},
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

void HandleCTCP(frmMain& main, const std::string& strNick, std::string& strData) {
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
        CTCPReply(main, strNick, answer->reply);
}

void CTCPReply(frmMain& main, const std::string& strNick, const std::string& strReply) {
    main.SendData("NOTICE " + strNick + " :" + CtcpMark + strReply + CtcpMark);
}

} // namespace vz
