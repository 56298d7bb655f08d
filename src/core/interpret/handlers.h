// The handlers of server lines, by kind: keep-alive, SASL sign-in, channel events,
// messages, numerics.
#pragma once

#include <string>

namespace vz {

class ProtocolHost;
struct IrcMessage;

// Handlers of the dispatch table. `text` is all parameters joined by blanks.
using Handler = void (*)(ProtocolHost& main, const IrcMessage& msg, const std::string& text);

// Connection keep-alive.
void OnPing(ProtocolHost& main, const IrcMessage& msg, const std::string& text);

// The SASL sign-in: CAP and AUTHENTICATE (shown raw when they are no step
// of a sign-in in progress), and the numerics that end it, shown raw (903
// success; 902, 904, 905, 906 and 908 failure).
void OnCap(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnAuthenticate(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnSaslEnd(ProtocolHost& main, const IrcMessage& msg, const std::string& text);

// Channel events.
void OnJoin(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnPart(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnQuit(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnKick(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnNick(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnTopic(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnMode(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void HandleQuit(ProtocolHost& main, const std::string& strNick, const std::string& strText);
void HandleNick(ProtocolHost& main, const std::string& strOldNick, const std::string& strNewNick);
void ApplyModes(ProtocolHost& main, const std::string& strChannel, const std::string& strModes);
void ApplyMode(ProtocolHost& main, const std::string& strChannel, bool bPlus,
               const std::string& strMode, const std::string& strArg);

// Messages and notices.
void OnPrivmsg(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnNotice(ProtocolHost& main, const IrcMessage& msg, const std::string& text);

// Numeric replies.
void OnWelcome(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnServerInfo(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnStatistics(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnMotdLine(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnMotdStart(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnIgnored(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnNickInUse(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnNoSuchChannel(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnTopicReply(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnTopicSetter(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnChannelModes(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnNames(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnListStart(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnListEntry(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnListEnd(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnWhoisUser(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnWhoisChannels(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnWhoisServer(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnWhoisIdle(ProtocolHost& main, const IrcMessage& msg, const std::string& text);
void OnWhoisEnd(ProtocolHost& main, const IrcMessage& msg, const std::string& text);

} // namespace vz
