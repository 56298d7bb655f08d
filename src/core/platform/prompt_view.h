// The prompt dialog's controls as the logic sees them.
#pragma once

#include "platform/controls.h"

#include <string>

namespace vz {

class PromptViewEvents {
public:
    // The OK button.
    virtual void onOk() = 0;
    // The Cancel button, Escape or the close box.
    virtual void onCancel() = 0;
    // A key typed in the field, as a character code; true swallows it.
    virtual bool onFieldKey(int character) = 0;

protected:
    ~PromptViewEvents() = default;
};

// A label, a one-line field and the OK and Cancel buttons, in a dialog that
// does not block the main window.
class PromptView {
public:
    virtual ~PromptView() = default;
    virtual void setLabel(const std::string& text) = 0;
    virtual void setOkCaption(const std::string& text) = 0;
    virtual void setCancelCaption(const std::string& text) = 0;
    virtual LineEdit& field() = 0;
    // Shows the dialog in front, with the focus in the field.
    virtual void show() = 0;
    virtual void close() = 0;
};

} // namespace vz
