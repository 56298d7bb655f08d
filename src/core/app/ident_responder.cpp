#include "app/ident_responder.h"

#include "app/frm_main.h"

namespace vz {

IdentResponder::IdentResponder(frmMain& main) : main_(main) {}

void IdentResponder::Listen() {}
void IdentResponder::Close() {}
void IdentResponder::onConnectionRequest() {}
void IdentResponder::onDataArrived(const std::string&) {}
void IdentResponder::onError(int, const std::string&) {}

} // namespace vz
