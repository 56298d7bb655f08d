// What channel and private windows share: messages from the other side, the
// user's typed line and the word under the pointer.
#include "windows/conversation.h"

#include "platform/controls.h"
#include "windows/control_helpers.h"
#include "windows/conversation_lines.h"

namespace vz {

void Conversation::PutText(TextView& text, const std::string& strNick, const std::string& speaker,
                           const std::string& strText, const std::string& logName) {
    if (IsAction(strText))
        main_.PutColorText(text, ActionLine(strNick, strText), logName);
    else if (IsVersionRequest(strText))
        main_.AnswerVersion(speaker, versionAnswer_);
    else
        main_.PutColorText(text, MessageLine(speaker, strText), logName);
}

void Conversation::onInputEnter(LineEdit& input, TextView& text, const std::string& target) {
    const std::string typed = TypedText(input);
    if (typed.empty() || typed.front() != '/') {
        main_.SendData("PRIVMSG " + target + " :" + typed);
        main_.PutColorText(text, OwnLine(main_.globals().Nick, typed), target);
        input.setText("");
        return;
    }
    if (emptyInput_ == EmptyInput::BeforeCommand)
        input.setText("");
    main_.SendData(main_.ParseCommand(target, typed.substr(1)));
    if (emptyInput_ == EmptyInput::AfterSending)
        input.setText("");
}

const std::string& Conversation::hoverAt(const TextView& text, int xPixels, int yPixels) {
    hoverWord_ = WordAtPointer(text, xPixels, yPixels);
    return hoverWord_;
}

void Conversation::addressHoverWord(LineEdit& input) const {
    AddressWord(input, hoverWord_);
}

} // namespace vz
