// The desktop's editor and keyboard layouts, through Qt and X11.
#pragma once

#include "platform/desktop.h"

namespace vz {

// Files open with the desktop's default application for them; the keyboard
// layout switches only on X11 (XKB groups), elsewhere it stays as it is.
class QtDesktop final : public Desktop {
public:
    bool openInEditor(const std::string& path) override;
    void activateKeyboardLayout(KeyboardLayout layout) override;
};

} // namespace vz
