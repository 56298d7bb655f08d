// The keys of the one-line fields: Enter finishes the line, three control keys
// convert its text between alphabets and keyboard layouts.
#include "windows/input_keys.h"

#include "config/translit.h"
#include "platform/platform.h"
#include "text/utf8.h"

namespace vz {

namespace {

constexpr int Enter = 13;
constexpr int CtrlEnter = 10;
constexpr int CtrlR = 18;
constexpr int CtrlL = 12;
constexpr int CtrlS = 19;

// Where the fields differ.
struct FieldKeys {
    bool ctrlEnterFinishes;
    bool transliterates;
};

FieldKeys keysOf(InputField field) {
    switch (field) {
    case InputField::ChannelLine:
    case InputField::PrivatLine:
        return {true, true};
    case InputField::TopicBox:
        return {false, true};
    case InputField::StatusLine:
    case InputField::PromptField:
    case InputField::FavouriteChannel:
        break;
    }
    return {false, false};
}

} // namespace

KeyAction InputKeyAction(InputField field, int character) {
    const FieldKeys keys = keysOf(field);
    switch (character) {
    case Enter:
        return KeyAction::Finish;
    case CtrlEnter:
        return keys.ctrlEnterFinishes ? KeyAction::Finish : KeyAction::Type;
    case CtrlR:
        return keys.transliterates ? KeyAction::ToCyrillic : KeyAction::Type;
    case CtrlL:
        return keys.transliterates ? KeyAction::ToLatin : KeyAction::Type;
    case CtrlS:
        return KeyAction::SwapLayout;
    default:
        return KeyAction::Type;
    }
}

std::string ConvertTyped(const Platform& platform, KeyAction action, const std::string& text) {
    switch (action) {
    case KeyAction::ToCyrillic:
    case KeyAction::ToLatin:
        return Translit(platform.files, text, action == KeyAction::ToLatin);
    case KeyAction::SwapLayout:
        return SwapLayout(platform.files, platform.desktop, text);
    case KeyAction::Type:
    case KeyAction::Finish:
        break;
    }
    return text;
}

bool HandleInputKey(const Platform& platform, InputField field, int character, LineEdit& input,
                    const std::function<void()>& finish) {
    const KeyAction action = InputKeyAction(field, character);
    if (action == KeyAction::Finish) {
        finish();
    } else if (action != KeyAction::Type) {
        const std::string converted = ConvertTyped(platform, action, input.text());
        input.setText(converted);
        input.setCaret(static_cast<int>(utf8::length(converted)));
    }
    return action != KeyAction::Type;
}

} // namespace vz
