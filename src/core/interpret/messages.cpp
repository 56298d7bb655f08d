#include "app/frm_main.h"
#include "interpret/handlers.h"
#include "interpret/irc_message.h"

namespace vz {

void OnPrivmsg(frmMain&, const IrcMessage&, const std::string&) {}
void OnNotice(frmMain&, const IrcMessage&, const std::string&) {}

} // namespace vz
