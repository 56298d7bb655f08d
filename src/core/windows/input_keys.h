// The keys of the one-line fields: Enter finishes the line, three control keys
// convert its text between alphabets and keyboard layouts.
#pragma once

#include <functional>
#include <string>

namespace vz {

class LineEdit;
struct Platform;

// The fields that share the keys.
enum class InputField {
    StatusLine,
    ChannelLine,
    PrivatLine,
    TopicBox,
    PromptField,
    FavouriteChannel
};

enum class KeyAction {
    Type,       // no special meaning: the field handles the key itself
    Finish,     // the line is done
    ToCyrillic, // Latin transliteration to Cyrillic (Ctrl+R)
    ToLatin,    // Cyrillic to Latin transliteration (Ctrl+L)
    SwapLayout, // typed on the wrong keyboard layout (Ctrl+S)
};

// What the key that produced `character` does in `field`: Enter (13)
// finishes every field, Ctrl+Enter (10) the channel and private input lines;
// Ctrl+R (18) and Ctrl+L (12) transliterate in those and the topic box;
// Ctrl+S (19) swaps the layout everywhere.
KeyAction InputKeyAction(InputField field, int character);

// `text` converted as a conversion key asks; the layout swap also makes the
// layout the text was meant for the active one.
std::string ConvertTyped(const Platform& platform, KeyAction action, const std::string& text);

// A key typed into an input line or dialog field: a conversion key replaces
// the whole text by its conversion with the caret after it, a finishing key
// runs `finish`. Returns true when the key had a meaning there, so the field
// does not insert it.
bool HandleInputKey(const Platform& platform, InputField field, int character, LineEdit& input,
                    const std::function<void()>& finish);

} // namespace vz
