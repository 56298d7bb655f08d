// Qt key events translated into character codes.
#pragma once

class QKeyEvent;

namespace vz {

constexpr int EnterCode = 13;
constexpr int CtrlEnterCode = 10;

// The character code a key press produces, as the input fields see it:
// Enter 13, Ctrl+Enter 10, Backspace 8, Delete 127, Ctrl with a letter 1
// to 26 (on a Cyrillic layout without a Latin one, Ctrl with К, Д, І or Ы
// gives the code of R, L or S), otherwise the typed character's code point;
// 0 for keys that type nothing (arrows, Tab, modifiers).
int characterCode(const QKeyEvent& key);

} // namespace vz
