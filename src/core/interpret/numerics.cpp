#include "app/frm_main.h"
#include "config/ini_store.h"
#include "config/settings_values.h"
#include "interpret/handlers.h"
#include "interpret/interpreter.h"
#include "interpret/irc_message.h"
#include "windows/frm_chat.h"

namespace vz {

namespace {

// Everything after the user's own nick.
std::string rest(const IrcMessage& msg) {
    return JoinParams(msg, 2, -1);
}

void toStatus(frmMain& main, const std::string& text) {
    main.PutColorText(main.status().rtfText(), text, "");
}

// The channel window named by parameter 2, or nullptr.
frmChat* channelOf(frmMain& main, const IrcMessage& msg) {
    return main.tables().channelNamed(msg.param(2));
}

// `text` without its first two words (the user's nick and one more): the
// second word goes to `second`, the rest is returned.
std::string afterTwoWords(const std::string& text, std::string& second) {
    std::string first;
    std::string tail;
    SplitAtFirst(text, ' ', first, tail);
    SplitAtFirst(tail, ' ', second, tail);
    return tail;
}

// One WHOIS row: the nick asked about, `joiner` and the rest of the reply.
void addWhoisRow(frmMain& main, const std::string& text, const std::string& joiner) {
    std::string who;
    const std::string tail = afterTwoWords(text, who);
    main.list().ShowInList(who + joiner + tail, main.list().intCount, "Whois");
}

void addNames(frmChat& chat, const std::string& names) {
    std::size_t from = 0;
    while (true) {
        const std::size_t blank = names.find(' ', from);
        chat.AddNick(names.substr(from, blank - from));
        if (blank == std::string::npos)
            return;
        from = blank + 1;
    }
}

// A names listing the user asked for goes to the list window.
void namesToList(frmMain& main, const std::string& text) {
    std::string channelType;
    const std::string names = afterTwoWords(text, channelType);
    frmList& list = main.list();
    list.openEmpty();
    list.ShowInList(names, list.intCount, "Names");
    list.show();
    main.globals().NamesRequested = false;
}

} // namespace

void OnWelcome(frmMain& main, const IrcMessage& msg, const std::string&) {
    main.globals().Nick = msg.param(1);
    toStatus(main, "* " + rest(msg));
}

void OnServerInfo(frmMain& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, "* " + rest(msg));
}

void OnStatistics(frmMain& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, "06" + rest(msg));
}

void OnMotdLine(frmMain& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, rest(msg));
}

// The start of the message of the day offers the favourite channels when the
// user asked for that in the dialog.
void OnMotdStart(frmMain& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, "02" + rest(msg));
    clsINI& settings = main.SettingsIni();
    settings.setFileName(SettingsFileName);
    const auto openForm = ParseSingle(settings.Value("Connect", "OpenChannelsForm"));
    if (openForm && *openForm == 1.0f)
        main.platform().dialogs.showFavouriteChannels(true);
}

void OnIgnored(frmMain&, const IrcMessage&, const std::string&) {}

void OnNickInUse(frmMain& main, const IrcMessage& msg, const std::string& text) {
    Globals& globals = main.globals();
    if (globals.Nick != globals.Alternative) {
        globals.Nick = globals.Alternative;
        main.SendData("NICK " + globals.Nick);
    } else {
        main.platform().dialogs.promptNick();
    }
    WriteRawStatus(main, msg, text);
}

void OnNoSuchChannel(frmMain& main, const IrcMessage& msg, const std::string& text) {
    main.globals().NamesRequested = false;
    WriteRawStatus(main, msg, text);
}

void OnTopicReply(frmMain& main, const IrcMessage& msg, const std::string&) {
    frmChat* chat = channelOf(main, msg);
    if (chat == nullptr)
        return;
    const std::string topic = JoinParams(msg, 3, -1);
    chat->ShowTopic(topic);
    main.PutColorText(chat->rtfText(), "03Топік \"" + topic + "\"", chat->strChannel);
    chat->rtbTopic().setCaret(0);
    chat->topicTag = "locked";
}

void OnTopicSetter(frmMain& main, const IrcMessage& msg, const std::string& text) {
    frmChat* chat = channelOf(main, msg);
    if (chat == nullptr)
        return;
    main.PutColorText(chat->rtfText(), "03Топік встановлено " + msg.param(3), chat->strChannel);
    WriteRawStatus(main, msg, text);
}

void OnChannelModes(frmMain& main, const IrcMessage& msg, const std::string&) {
    if (channelOf(main, msg) != nullptr)
        ApplyModes(main, msg.param(2), JoinParams(msg, 3, -1));
}

void OnNames(frmMain& main, const IrcMessage& msg, const std::string& text) {
    if (main.globals().NamesRequested) {
        namesToList(main, text);
        return;
    }
    frmChat* chat = main.tables().channelNamed(msg.param(3));
    if (chat == nullptr)
        WriteRawStatus(main, msg, text);
    else
        addNames(*chat, JoinParams(msg, 4, -1));
}

void OnListStart(frmMain& main, const IrcMessage& msg, const std::string& text) {
    main.list().openEmpty();
    WriteRawStatus(main, msg, text);
}

void OnListEntry(frmMain& main, const IrcMessage&, const std::string& text) {
    main.list().ShowInList(text, main.list().intCount, "List");
}

void OnListEnd(frmMain& main, const IrcMessage& msg, const std::string& text) {
    main.list().show();
    WriteRawStatus(main, msg, text);
}

void OnWhoisUser(frmMain& main, const IrcMessage&, const std::string& text) {
    main.list().openEmpty();
    addWhoisRow(main, text, " - ");
}

void OnWhoisChannels(frmMain& main, const IrcMessage&, const std::string& text) {
    addWhoisRow(main, text, " присутній на каналі(лах) ");
}

void OnWhoisServer(frmMain& main, const IrcMessage&, const std::string& text) {
    addWhoisRow(main, text, " на сервері ");
}

void OnWhoisIdle(frmMain& main, const IrcMessage&, const std::string& text) {
    addWhoisRow(main, text, " ");
}

void OnWhoisEnd(frmMain& main, const IrcMessage& msg, const std::string& text) {
    main.list().show();
    WriteRawStatus(main, msg, text);
}

} // namespace vz
