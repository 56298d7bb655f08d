#include "app/frm_main.h"
#include "windows/frm_chat.h"

namespace vz {

void frmChat::AddNick(const std::string&) {}
void frmChat::RemoveNick(const std::string&) {}
void frmChat::SetVoice(const std::string&, bool) {}
void frmChat::SetOp(const std::string&, bool) {}
void frmChat::SetHelper(const std::string&, bool) {}
void frmChat::AddMode(const std::string&, bool) {}
void frmChat::RemoveMode(const std::string&) {}
bool frmChat::InChannel(const std::string&) const { return false; }
void frmChat::ChangeNck(const std::string&, const std::string&) {}
void frmChat::RefreshTitle() {}
void frmChat::setFlag(const std::string&, bool UserEntry::*, bool) {}

} // namespace vz
