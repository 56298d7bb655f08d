// What the desktop offers beyond windows: an editor for files and the keyboard layouts.
#pragma once

#include <string>

namespace vz {

// The two keyboard layouts that typed text is converted between.
enum class KeyboardLayout { Latin, Cyrillic };

class Desktop {
public:
    Desktop() = default;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;
    virtual ~Desktop() = default;

    // Opens a file of the working directory in the desktop's default editor
    // and returns at once; false when the desktop could not open it.
    virtual bool openInEditor(const std::string& path) = 0;
    // Makes `layout` the active keyboard layout where the desktop has one of
    // that script configured beside one of the other; otherwise does nothing.
    virtual void activateKeyboardLayout(KeyboardLayout layout) = 0;
};

} // namespace vz
