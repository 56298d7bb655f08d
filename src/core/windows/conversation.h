// What channel and private windows share: messages from the other side, the
// user's typed line and the word under the pointer.
#pragma once

#include "windows/window_host.h"

#include <string>

namespace vz {

class LineEdit;
class TextView;

class Conversation {
public:
    // When Enter empties the input line of a "/" line. A channel window
    // empties it before the parser runs, a private window only after the
    // line was sent, as each always has; every other line is emptied after
    // it was sent.
    enum class EmptyInput { BeforeCommand, AfterSending };

    Conversation(WindowHost& main, VersionAnswer versionAnswer, EmptyInput emptyInput)
        : main_(main), versionAnswer_(versionAnswer), emptyInput_(emptyInput) {}

    // A message from `strNick`: an action in colour 6, a version request
    // (answered to `speaker`, not shown) or a plain line under `speaker`.
    void PutText(TextView& text, const std::string& strNick, const std::string& speaker,
                 const std::string& strText, const std::string& logName);
    // Enter in the input line: a "/" line goes through the parser with
    // `target`; any other line is sent to `target` and echoed under the
    // user's nick, logged under `target`.
    void onInputEnter(LineEdit& input, TextView& text, const std::string& target);

    // Takes the word under the pointer and returns it.
    const std::string& hoverAt(const TextView& text, int xPixels, int yPixels);
    // A click addresses the word under the pointer in the input line.
    void addressHoverWord(LineEdit& input) const;
    void forgetHoverWord() { hoverWord_.clear(); }

private:
    WindowHost& main_;
    VersionAnswer versionAnswer_;
    EmptyInput emptyInput_;
    std::string hoverWord_;
};

} // namespace vz
