#include "interpret/interpreter.h"

#include "app/frm_main.h"
#include "interpret/handlers.h"
#include "interpret/irc_message.h"

namespace vz {

Interpreter::Interpreter(frmMain& main) : main_(main) {}

void Interpreter::Interpret(std::string) {}

void WriteRawStatus(frmMain&, const IrcMessage&, const std::string&) {}

void OnPing(frmMain&, const IrcMessage&, const std::string&) {}

} // namespace vz
