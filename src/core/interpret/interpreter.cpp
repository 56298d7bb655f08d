// The interpreter: every server line parsed once and handed to its handler.
#include "interpret/interpreter.h"

#include "interpret/handlers.h"
#include "interpret/irc_message.h"
#include "interpret/protocol_host.h"
#include "text/case_fold.h"
#include "windows/frm_status.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace vz {

namespace {

// Command (lower case) to handler; commands not listed get the raw status line.
const std::unordered_map<std::string_view, Handler>& dispatchTable() {
    static const std::unordered_map<std::string_view, Handler> table = {
        {"001", OnWelcome},       {"002", OnServerInfo},  {"003", OnServerInfo},
        {"004", OnServerInfo},    {"005", OnServerInfo},  {"ping", OnPing},
        {"join", OnJoin},         {"privmsg", OnPrivmsg}, {"nick", OnNick},
        {"part", OnPart},         {"353", OnNames},       {"mode", OnMode},
        {"quit", OnQuit},         {"kick", OnKick},       {"332", OnTopicReply},
        {"topic", OnTopic},       {"333", OnTopicSetter}, {"366", OnIgnored},
        {"324", OnChannelModes},  {"notice", OnNotice},   {"433", OnNickInUse},
        {"372", OnMotdLine},      {"375", OnMotdStart},   {"376", OnIgnored},
        {"251", OnStatistics},    {"252", OnStatistics},  {"253", OnStatistics},
        {"254", OnStatistics},    {"255", OnStatistics},  {"265", OnStatistics},
        {"266", OnStatistics},    {"321", OnListStart},   {"322", OnListEntry},
        {"323", OnListEnd},       {"311", OnWhoisUser},   {"319", OnWhoisChannels},
        {"312", OnWhoisServer},   {"317", OnWhoisIdle},   {"318", OnWhoisEnd},
        {"403", OnNoSuchChannel}, {"cap", OnCap},         {"authenticate", OnAuthenticate},
        {"902", OnSaslEnd},       {"903", OnSaslEnd},     {"904", OnSaslEnd},
        {"905", OnSaslEnd},       {"906", OnSaslEnd},     {"908", OnSaslEnd},
    };
    return table;
}

} // namespace

std::vector<std::string> HandledCommands() {
    std::vector<std::string> commands;
    for (const auto& entry : dispatchTable())
        commands.emplace_back(entry.first);
    std::sort(commands.begin(), commands.end());
    return commands;
}

Interpreter::Interpreter(ProtocolHost& main) : main_(main) {}

void Interpreter::Interpret(std::string strData) {
    std::erase_if(strData, [](char c) { return c == '\r' || c == '\n'; });
    IrcMessage msg;
    ParseLine(strData, msg);
    if (msg.strCommand.empty())
        return;
    const std::string text = JoinParams(msg, 1, -1);
    const auto& table = dispatchTable();
    const auto handler = table.find(foldCase(msg.strCommand));
    if (handler == table.end())
        WriteRawStatus(main_, msg, text);
    else
        handler->second(main_, msg, text);
}

void WriteRawStatus(ProtocolHost& main, const IrcMessage& msg, const std::string& text) {
    main.PutColorText(main.status().rtfText(), "*** " + msg.strCommand + " " + text, "");
}

void OnPing(ProtocolHost& main, const IrcMessage&, const std::string& text) {
    main.SendData("PONG :" + text);
    main.PutColorText(main.status().rtfText(), "03Ping? Pong! \x1F[\x1F" + text + "\x1F]\x1F", "");
}

} // namespace vz
