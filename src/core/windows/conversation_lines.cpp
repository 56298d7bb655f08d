// Formatting messages, actions and the user's own lines for the conversation views.
#include "windows/conversation_lines.h"

#include "text/control_codes.h"
#include "text/utf8.h"

namespace vz {

namespace {

const std::string ActionStart = std::string(1, CtcpMark) + "ACTION ";
const std::string VersionRequest = std::string(1, CtcpMark) + "VERSION" + CtcpMark;

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

bool IsAction(const std::string& text) {
    return startsWith(text, ActionStart);
}

bool IsVersionRequest(const std::string& text) {
    return startsWith(text, VersionRequest);
}

std::string ActionLine(const std::string& nick, const std::string& text) {
    const std::string words = utf8::dropLast(utf8::substr(text, utf8::length(ActionStart)));
    return "06" + nick + " " + words;
}

std::string MessageLine(const std::string& nick, const std::string& text) {
    return trimBlanks("\x02" + nick + "\x02\x1F:\x1F \t" + text);
}

std::string OwnLine(const std::string& nick, const std::string& text) {
    return "\x02" + nick + "\x02\x1F:\x1F\t" + text;
}

} // namespace vz
