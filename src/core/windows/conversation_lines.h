// Formatting messages, actions and the user's own lines for the conversation views.
#pragma once

#include <string>

namespace vz {

// The lines a channel or private window shows for a message, and the two
// CTCP requests those windows recognise in an incoming text.

// The text starts with the CTCP action mark "\x01ACTION ".
bool IsAction(const std::string& text);
// The text starts with the CTCP version request "\x01VERSION\x01".
bool IsVersionRequest(const std::string& text);

// An action in colour 6: the nick, a blank and the action's words without
// the marks around them.
std::string ActionLine(const std::string& nick, const std::string& text);
// A message as shown: bold nick, underlined colon, a tab and the text, with
// the blanks at both ends of the whole line trimmed.
std::string MessageLine(const std::string& nick, const std::string& text);
// The user's own typed line as echoed under their nick.
std::string OwnLine(const std::string& nick, const std::string& text);

} // namespace vz
