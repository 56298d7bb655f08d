#pragma once

#include <string>

namespace vz {

class frmMain;
struct IrcMessage;

// The single entry point for every line the server sends.
class Interpreter {
public:
    explicit Interpreter(frmMain& main);
    void Interpret(std::string strData);

private:
    frmMain& main_;
};

// "*** " & command & " " & text in the status window.
void WriteRawStatus(frmMain& main, const IrcMessage& msg, const std::string& text);

} // namespace vz
