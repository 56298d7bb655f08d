#include "app/frm_main.h"
#include "interpret/handlers.h"
#include "interpret/irc_message.h"

namespace vz {

void OnJoin(frmMain&, const IrcMessage&, const std::string&) {}
void OnPart(frmMain&, const IrcMessage&, const std::string&) {}
void OnQuit(frmMain&, const IrcMessage&, const std::string&) {}
void OnKick(frmMain&, const IrcMessage&, const std::string&) {}
void OnNick(frmMain&, const IrcMessage&, const std::string&) {}
void OnTopic(frmMain&, const IrcMessage&, const std::string&) {}
void OnMode(frmMain&, const IrcMessage&, const std::string&) {}
void HandleQuit(frmMain&, const std::string&, const std::string&) {}
void HandleNick(frmMain&, const std::string&, const std::string&) {}
void ApplyModes(frmMain&, const std::string&, const std::string&) {}
void ApplyMode(frmMain&, const std::string&, bool, const std::string&, const std::string&) {}

} // namespace vz
