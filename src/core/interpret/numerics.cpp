// The server's numeric replies: welcome, message of the day, topic, names, list, WHOIS.
#include "config/ini_store.h"
#include "config/settings_values.h"
#include "interpret/handlers.h"
#include "interpret/interpreter.h"
#include "interpret/irc_message.h"
#include "interpret/protocol_host.h"
#include "text/words.h"
#include "windows/frm_chat.h"
#include "windows/frm_list.h"
#include "windows/frm_status.h"
#include "windows/window_tables.h"

namespace vz {

namespace {

// Everything after the user's own nick.
std::string rest(const IrcMessage& msg) {
    return JoinParams(msg, 2, -1);
}

void toStatus(ProtocolHost& main, const std::string& text) {
    main.PutColorText(main.status().rtfText(), text, "");
}

// The channel window named by parameter 2, or nullptr.
frmChat* channelOf(ProtocolHost& main, const IrcMessage& msg) {
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
void addWhoisRow(ProtocolHost& main, const std::string& text, const std::string& joiner) {
    std::string who;
    const std::string tail = afterTwoWords(text, who);
    main.list().ShowInList(who + joiner + tail, main.list().intCount, frmList::Kind::Whois);
}

void addNames(frmChat& chat, const std::string& names) {
    for (const std::string& name : SplitAll(names, ' '))
        chat.AddNick(name);
}

// A names listing the user asked for goes to the list window.
void namesToList(ProtocolHost& main, const std::string& text) {
    std::string channelType;
    const std::string names = afterTwoWords(text, channelType);
    frmList& list = main.list();
    list.openEmpty();
    list.ShowInList(names, list.intCount, frmList::Kind::Names);
    list.show();
    main.globals().NamesRequested = false;
}

} // namespace

// A welcome that names no nick keeps the user's nick (see OnNick).
void OnWelcome(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    if (!msg.param(1).empty())
        main.globals().Nick = msg.param(1);
    toStatus(main, "* " + rest(msg));
}

void OnServerInfo(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, "* " + rest(msg));
}

void OnStatistics(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, "06" + rest(msg));
}

void OnMotdLine(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, rest(msg));
}

// The start of the message of the day offers the favourite channels when the
// user asked for that in the dialog.
void OnMotdStart(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    toStatus(main, "02" + rest(msg));
    clsINI& settings = main.SettingsIni();
    settings.setFileName(SettingsFileName);
    const auto openForm = ParseSingle(settings.Value("Connect", "OpenChannelsForm"));
    if (openForm && *openForm == 1.0f)
        main.ShowFavouriteChannels(true);
}

void OnIgnored(ProtocolHost&, const IrcMessage&, const std::string&) {}

void OnNickInUse(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    Globals& globals = main.globals();
    if (globals.Nick != globals.Alternative) {
        globals.Nick = globals.Alternative;
        main.SendData("NICK " + globals.Nick);
    } else {
        main.PromptNick();
    }
    WriteRawStatus(main, msg, text);
}

void OnNoSuchChannel(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    main.globals().NamesRequested = false;
    WriteRawStatus(main, msg, text);
}

void OnTopicReply(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    frmChat* chat = channelOf(main, msg);
    if (chat == nullptr)
        return;
    const std::string topic = JoinParams(msg, 3, -1);
    chat->ShowTopic(topic);
    main.PutColorText(chat->rtfText(), "03Топік \"" + topic + "\"", chat->strChannel);
    chat->rtbTopic().setCaret(0);
    chat->topicLocked = true;
}

void OnTopicSetter(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    frmChat* chat = channelOf(main, msg);
    if (chat == nullptr)
        return;
    main.PutColorText(chat->rtfText(), "03Топік встановлено " + msg.param(3), chat->strChannel);
    WriteRawStatus(main, msg, text);
}

void OnChannelModes(ProtocolHost& main, const IrcMessage& msg, const std::string&) {
    if (channelOf(main, msg) != nullptr)
        ApplyModes(main, msg.param(2), JoinParams(msg, 3, -1));
}

void OnNames(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
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

void OnListStart(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    main.list().openEmpty();
    WriteRawStatus(main, msg, text);
}

void OnListEntry(ProtocolHost& main, const IrcMessage&, const std::string& text) {
    main.list().ShowInList(text, main.list().intCount, frmList::Kind::List);
}

void OnListEnd(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    main.list().show();
    WriteRawStatus(main, msg, text);
}

void OnWhoisUser(ProtocolHost& main, const IrcMessage&, const std::string& text) {
    main.list().openEmpty();
    addWhoisRow(main, text, " - ");
}

void OnWhoisChannels(ProtocolHost& main, const IrcMessage&, const std::string& text) {
    addWhoisRow(main, text, " присутній на каналі(лах) ");
}

void OnWhoisServer(ProtocolHost& main, const IrcMessage&, const std::string& text) {
    addWhoisRow(main, text, " на сервері ");
}

void OnWhoisIdle(ProtocolHost& main, const IrcMessage&, const std::string& text) {
    addWhoisRow(main, text, " ");
}

void OnWhoisEnd(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    main.list().show();
    WriteRawStatus(main, msg, text);
}

} // namespace vz
