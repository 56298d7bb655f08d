#pragma once

#include <string>

namespace vz {

class frmMain;
struct IrcMessage;

// Handlers of the dispatch table. `text` is all parameters joined by blanks.
using Handler = void (*)(frmMain& main, const IrcMessage& msg, const std::string& text);

// Connection keep-alive.
void OnPing(frmMain& main, const IrcMessage& msg, const std::string& text);

// Channel events.
void OnJoin(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnPart(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnQuit(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnKick(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnNick(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnTopic(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnMode(frmMain& main, const IrcMessage& msg, const std::string& text);
void HandleQuit(frmMain& main, const std::string& strNick, const std::string& strText);
void HandleNick(frmMain& main, const std::string& strOldNick, const std::string& strNewNick);
void ApplyModes(frmMain& main, const std::string& strChannel, const std::string& strModes);
void ApplyMode(frmMain& main, const std::string& strChannel, bool bPlus, const std::string& strMode,
               const std::string& strArg);

// Messages and notices.
void OnPrivmsg(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnNotice(frmMain& main, const IrcMessage& msg, const std::string& text);

// Numeric replies.
void OnWelcome(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnServerInfo(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnStatistics(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnMotdLine(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnMotdStart(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnIgnored(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnNickInUse(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnNoSuchChannel(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnTopicReply(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnTopicSetter(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnChannelModes(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnNames(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnListStart(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnListEntry(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnListEnd(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnWhoisUser(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnWhoisChannels(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnWhoisServer(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnWhoisIdle(frmMain& main, const IrcMessage& msg, const std::string& text);
void OnWhoisEnd(frmMain& main, const IrcMessage& msg, const std::string& text);

} // namespace vz
