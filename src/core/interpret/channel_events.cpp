// Channel events from the server: JOIN, PART, QUIT, KICK, NICK, TOPIC and MODE.
#include "interpret/handlers.h"
#include "interpret/irc_message.h"
#include "interpret/protocol_host.h"
#include "text/case_fold.h"
#include "text/utf8.h"
#include "text/words.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"
#include "windows/frm_status.h"
#include "windows/membership.h"
#include "windows/window_tables.h"

#include <vector>

namespace vz {

namespace {

const char* const NoWindowForChannel = "*** Немає вільного вікна для каналу ";

// A line in the channel window, logged under its channel.
void putChannel(ProtocolHost& main, frmChat& chat, const std::string& text) {
    main.PutColorText(chat.rtfText(), text, chat.strChannel);
}

void putStatusLine(ProtocolHost& main, const std::string& text) {
    main.PutColorText(main.status().rtfText(), text, "");
}

std::string reasonInBrackets(const std::string& reason) {
    return " \x1F[\x1F " + reason + " \x1F]\x1F";
}

// A user limit as a 16-bit number; anything else reads as 0.
int limitValue(const std::string& text) {
    if (text.empty() || text.size() > 6)
        return 0;
    const std::size_t digitsFrom = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (digitsFrom == text.size() ||
        text.find_first_not_of("0123456789", digitsFrom) != std::string::npos)
        return 0;
    const long value = std::stol(text);
    return value < -32768 || value > 32767 ? 0 : static_cast<int>(value);
}

// Mode letters that take an argument, whatever the sign.
bool takesArgument(const std::string& letter) {
    return letter == "v" || letter == "b" || letter == "o" || letter == "h" || letter == "k" ||
           letter == "l";
}

// Voice, half-operator and operator change a member, not the channel's
// modes. Losing operator locks the user's topic box; getting it unlocks it.
bool applyMemberMode(ProtocolHost& main, frmChat& chat, bool plus, const std::string& letter,
                     const std::string& nick) {
    if (letter == "v") {
        chat.SetVoice(nick, plus);
    } else if (letter == "h") {
        chat.SetHelper(nick, plus);
    } else if (letter == "o") {
        chat.SetOp(nick, plus);
        if (nick == main.globals().Nick)
            chat.topicLocked = !plus;
    } else {
        return false;
    }
    return true;
}

void ownJoin(ProtocolHost& main, const std::string& channel) {
    const int slot = main.tables().OpenChannel(channel);
    if (slot == -1) {
        putStatusLine(main, NoWindowForChannel + channel);
        return;
    }
    main.SendData("MODE " + channel);
    frmChat& chat = main.tables().channel(slot);
    chat.window().activate();
    chat.txtIn().focus();
}

} // namespace

// A JOIN without a channel names no window: it is ignored. So is the JOIN of
// a nick that holds a status sign: the member list would read the sign as a
// status, and the member could never leave.
void OnJoin(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    if (text.empty())
        return;
    if (equalsIgnoreCase(msg.strNick, main.globals().Nick)) {
        ownJoin(main, text);
        return;
    }
    frmChat* chat = main.tables().channelNamed(msg.param(1));
    if (chat == nullptr || !IsMemberNick(msg.strNick))
        return;
    chat->AddNick(msg.strNick);
    putChannel(main, *chat, "03" + msg.strNick + " приєднався ");
}

void OnPart(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    if (msg.strNick == main.globals().Nick)
        return;
    frmChat* chat = main.tables().channelNamed(msg.param(1));
    if (chat == nullptr)
        return;
    chat->RemoveNick(msg.strNick);
    putChannel(main, *chat, "03" + msg.strNick + " від'єднався " + chat->strChannel);
}

void OnQuit(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    HandleQuit(main, msg.strNick, text);
}

// The member leaves every channel window that lists him, and his private
// window hears of it too.
void HandleQuit(ProtocolHost& main, const std::string& strNick, const std::string& strText) {
    const std::string line = "02" + strNick + " has Quit IRC" + reasonInBrackets(strText);
    WindowTables& tables = main.tables();
    for (int slot = 1; slot <= tables.ChannelCount(); ++slot) {
        frmChat& chat = tables.channel(slot);
        if (!chat.isOpen() || !chat.InChannel(strNick))
            continue;
        chat.RemoveNick(strNick);
        putChannel(main, chat, line);
    }
    const int privat = tables.FindPrivat(strNick);
    if (privat != -1)
        main.PutColorText(tables.privat(privat).rtfText(), line, tables.privat(privat).strPrivNick);
}

void OnKick(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    frmChat* chat = main.tables().channelNamed(msg.param(1));
    if (chat == nullptr)
        return;
    const std::string& channel = msg.param(1);
    const std::string& kicked = msg.param(2);
    const std::string byWhom = " by " + msg.strNick + reasonInBrackets(JoinParams(msg, 3, -1));
    putChannel(main, *chat, "03" + kicked + " було викинуто з " + channel + byWhom);
    chat->RemoveNick(kicked);
    if (kicked != main.globals().Nick)
        return;
    chat->closeWithoutPart();
    putStatusLine(main, "03Вас було викинуто з " + channel + byWhom);
}

// A NICK that names no new nick, or one with a status sign, renames nobody:
// such a member could never leave, and an empty own nick would make every
// line from a server look like the user's own.
void OnNick(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    if (!IsMemberNick(msg.param(1)))
        return;
    std::string& nick = main.globals().Nick;
    if (msg.strNick != nick) {
        HandleNick(main, msg.strNick, msg.param(1));
        return;
    }
    nick = msg.param(1);
    putStatusLine(main, "03Ваш нік зараз " + nick);
    HandleNick(main, msg.strNick, text);
}

// Renames the member in every channel window that lists him, and his private
// window, whether or not he shares a channel with the user: the user's next
// lines there must reach him, not whoever takes the old nick.
void HandleNick(ProtocolHost& main, const std::string& strOldNick, const std::string& strNewNick) {
    WindowTables& tables = main.tables();
    const int privat = tables.FindPrivat(strOldNick);
    if (privat != -1) {
        tables.privat(privat).strPrivNick = strNewNick;
        tables.privat(privat).window().setTitle(strNewNick);
    }
    for (int slot = 1; slot <= tables.ChannelCount(); ++slot) {
        frmChat& chat = tables.channel(slot);
        if (chat.isOpen() && chat.InChannel(strOldNick))
            chat.ChangeNck(strOldNick, strNewNick);
    }
}

void OnTopic(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    frmChat* chat = main.tables().channelNamed(msg.param(1));
    if (chat == nullptr)
        return;
    const std::string topic = JoinParams(msg, 2, -1);
    chat->ShowTopic(topic);
    putChannel(main, *chat, "03Топік змінено " + msg.strNick + " \x1F:\x1F " + topic);
}

void OnMode(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    frmChat* chat = main.tables().channelNamed(msg.param(1));
    if (chat == nullptr)
        return;
    const std::string modes = JoinParams(msg, 2, -1);
    putChannel(main, *chat, "03" + msg.strNick + " sets mode: " + modes);
    ApplyModes(main, msg.param(1), modes);
}

// Word 0 holds the letters; each letter that takes an argument takes the
// next word, or "" when the words have run out.
void ApplyModes(ProtocolHost& main, const std::string& strChannel, const std::string& strModes) {
    const std::vector<std::string> words = SplitAll(strModes, ' ');
    bool plus = true;
    std::size_t argument = 0;
    for (const std::string& letter : utf8::split(words[0])) {
        if (letter == "+" || letter == "-") {
            plus = letter == "+";
        } else if (takesArgument(letter)) {
            ++argument;
            ApplyMode(main, strChannel, plus, letter,
                      argument < words.size() ? words[argument] : std::string());
        } else {
            ApplyMode(main, strChannel, plus, letter, "");
        }
    }
}

void ApplyMode(ProtocolHost& main, const std::string& strChannel, bool bPlus,
               const std::string& strMode, const std::string& strArg) {
    frmChat* chat = main.tables().channelNamed(strChannel);
    if (chat == nullptr || applyMemberMode(main, *chat, bPlus, strMode, strArg) || strMode == "b")
        return;
    if (strMode == "k")
        chat->strKey = bPlus ? strArg : std::string();
    else if (strMode == "l")
        chat->intLimit = bPlus ? limitValue(strArg) : 0;
    if (bPlus)
        chat->AddMode(strMode, bPlus);
    else
        chat->RemoveMode(strMode);
}

} // namespace vz
