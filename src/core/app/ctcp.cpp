#include "app/ctcp.h"

#include "app/frm_main.h"

namespace vz {

void HandleCTCP(frmMain&, const std::string&, std::string&) {}
void CTCPReply(frmMain&, const std::string&, const std::string&) {}

} // namespace vz
