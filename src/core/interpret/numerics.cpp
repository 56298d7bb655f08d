#include "app/frm_main.h"
#include "interpret/handlers.h"
#include "interpret/irc_message.h"

namespace vz {

void OnWelcome(frmMain&, const IrcMessage&, const std::string&) {}
void OnServerInfo(frmMain&, const IrcMessage&, const std::string&) {}
void OnStatistics(frmMain&, const IrcMessage&, const std::string&) {}
void OnMotdLine(frmMain&, const IrcMessage&, const std::string&) {}
void OnMotdStart(frmMain&, const IrcMessage&, const std::string&) {}
void OnIgnored(frmMain&, const IrcMessage&, const std::string&) {}
void OnNickInUse(frmMain&, const IrcMessage&, const std::string&) {}
void OnNoSuchChannel(frmMain&, const IrcMessage&, const std::string&) {}
void OnTopicReply(frmMain&, const IrcMessage&, const std::string&) {}
void OnTopicSetter(frmMain&, const IrcMessage&, const std::string&) {}
void OnChannelModes(frmMain&, const IrcMessage&, const std::string&) {}
void OnNames(frmMain&, const IrcMessage&, const std::string&) {}
void OnListStart(frmMain&, const IrcMessage&, const std::string&) {}
void OnListEntry(frmMain&, const IrcMessage&, const std::string&) {}
void OnListEnd(frmMain&, const IrcMessage&, const std::string&) {}
void OnWhoisUser(frmMain&, const IrcMessage&, const std::string&) {}
void OnWhoisChannels(frmMain&, const IrcMessage&, const std::string&) {}
void OnWhoisServer(frmMain&, const IrcMessage&, const std::string&) {}
void OnWhoisIdle(frmMain&, const IrcMessage&, const std::string&) {}
void OnWhoisEnd(frmMain&, const IrcMessage&, const std::string&) {}

} // namespace vz
