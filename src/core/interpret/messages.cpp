// Messages and notices from the server: to channel, private and status windows.
#include "interpret/ctcp.h"
#include "interpret/handlers.h"
#include "interpret/irc_message.h"
#include "interpret/protocol_host.h"
#include "text/case_fold.h"
#include "text/control_codes.h"
#include "text/words.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"
#include "windows/frm_status.h"
#include "windows/window_tables.h"

namespace vz {

namespace {

const std::string OwnVersionRequest = std::string(1, CtcpMark) + "VERSION" + CtcpMark;
const std::string ActionPrefix = std::string(1, CtcpMark) + "ACTION ";

// The sender: the nick, or the whole prefix when it names a server or a
// service without "!", so a private window never gets an empty name.
std::string senderOf(const IrcMessage& msg) {
    return msg.strNick.empty() ? msg.strPrefix : msg.strNick;
}

// A CTCP request for the CTCP handler. An action is a message: it is shown in
// the sender's private window instead of being dropped by the handler.
bool isCtcpRequest(const std::string& strText) {
    return !strText.empty() && strText.front() == CtcpMark && strText.rfind(ActionPrefix, 0) != 0;
}

// A line meant for the user while the program is in the background marks the
// main window for attention; the user's own lines never do.
void attend(ProtocolHost& main, const std::string& sender) {
    MainWindowView& window = main.platform().mainWindow;
    if (!window.isActive() && !equalsIgnoreCase(sender, main.globals().Nick))
        window.alert();
}

void toChannel(ProtocolHost& main, const std::string& strNick, const std::string& target,
               const std::string& strText) {
    frmChat* chat = main.tables().channelNamed(target);
    if (chat == nullptr)
        return;
    chat->PutText(strNick, strText);
    if (MentionsNick(strText, main.globals().Nick))
        attend(main, strNick);
}

// The user asked his own client for its version: answered before the request
// goes on to the CTCP handler like any other.
void answerOwnVersion(ProtocolHost& main, const IrcMessage& msg) {
    if (msg.strNick != main.globals().Nick || msg.param(2) != OwnVersionRequest)
        return;
    AnswerVersion(main, msg.strNick, VersionAnswer::OwnRequest);
}

// The sender's private window, opened without taking the focus when there is
// none; -1 when all slots are taken.
int privatSlot(ProtocolHost& main, const std::string& sender, const std::string& prefix) {
    WindowTables& tables = main.tables();
    if (!tables.PrivatExists(sender))
        tables.OpenPrivat(sender, prefix);
    return tables.FindPrivat(sender);
}

void toPrivat(ProtocolHost& main, const IrcMessage& msg, const std::string& strText) {
    answerOwnVersion(main, msg);
    const std::string sender = senderOf(msg);
    if (isCtcpRequest(strText)) {
        std::string strData = strText;
        HandleCTCP(main, sender, strData);
        return;
    }
    const int slot = sender.empty() ? -1 : privatSlot(main, sender, msg.strPrefix);
    if (slot == -1) {
        main.PutColorText(main.status().rtfText(), "05" + sender + ": " + strText, "");
    } else {
        frmPrivat& privat = main.tables().privat(slot);
        privat.window().setTitle(sender);
        privat.strPrivNick = sender;
        privat.PutText(sender, strText);
    }
    attend(main, sender);
}

} // namespace

void OnPrivmsg(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    const std::string& target = msg.param(1);
    const std::string strText = JoinParams(msg, 2, -1);
    if (!target.empty() && target.front() == '#')
        toChannel(main, senderOf(msg), target, strText);
    else
        toPrivat(main, msg, strText);
}

void OnNotice(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    const std::string strText = JoinParams(msg, 2, -1);
    TextView* view = main.activeTextView();
    if (view == nullptr)
        view = &main.status().rtfText();
    const std::string sender = senderOf(msg);
    if (sender.empty())
        main.PutColorText(*view, "05" + strText, "");
    else
        main.PutColorText(*view, "05NOTICE " + sender + "\x1F:\x1F\t" + strText, "");
}

} // namespace vz
