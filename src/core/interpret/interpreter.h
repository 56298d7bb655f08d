// The interpreter: every server line parsed once and handed to its handler.
#pragma once

#include <string>
#include <vector>

namespace vz {

class ProtocolHost;
struct IrcMessage;

// The single entry point for every line the server sends.
class Interpreter {
public:
    explicit Interpreter(ProtocolHost& main);
    void Interpret(std::string strData);

private:
    ProtocolHost& main_;
};

// The commands (lower case, in byte order) that have a handler of their own.
std::vector<std::string> HandledCommands();

// "*** " & command & " " & text in the status window.
void WriteRawStatus(ProtocolHost& main, const IrcMessage& msg, const std::string& text);

} // namespace vz
