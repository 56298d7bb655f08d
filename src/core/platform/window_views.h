// The controls of each kind of child window, and the events their views report.
#pragma once

#include "platform/controls.h"

namespace vz {

// The controls of each kind of child window. The Qt layer builds them; the
// fake platform keeps them in memory. Each view reports its widgets' events
// (keys, clicks, resize, activation, close) to the events interface it was
// built with.

// What the status window's view reports.
class StatusViewEvents {
public:
    virtual ~StatusViewEvents() = default;
    virtual void onResize() = 0;
    virtual void onActivated() = 0;
    virtual void onDeactivated() = 0;
    // A key typed into the input line, as its character code (Enter 13,
    // Ctrl with a letter 1 to 26); returns true when the key is swallowed.
    virtual bool onInputKey(int character) = 0;
};

class StatusView {
public:
    virtual ~StatusView() = default;
    virtual ChildWindow& window() = 0;
    virtual TextView& text() = 0;
    virtual LineEdit& input() = 0;
};

// What a channel window's view reports.
class ChatViewEvents {
public:
    virtual ~ChatViewEvents() = default;
    virtual void onResize() = 0;
    virtual void onActivated() = 0;
    virtual void onDeactivated() = 0;
    virtual bool onInputKey(int character) = 0;
    // Returns true when the key is swallowed.
    virtual bool onTopicKey(int character) = 0;
    virtual void onTopicFocus() = 0;
    virtual void onUserClick(int row) = 0;
    virtual void onUserDoubleClick(int row) = 0;
    virtual void onUserRightRelease() = 0;
    virtual void onTextMouseDown(int xPixels, int yPixels) = 0;
    virtual void onTextClick() = 0;
    // The user closed the window.
    virtual void onClose() = 0;
};

class ChatView {
public:
    virtual ~ChatView() = default;
    virtual ChildWindow& window() = 0;
    virtual TextView& topic() = 0;
    virtual TextView& text() = 0;
    virtual ListBox& users() = 0;
    virtual LineEdit& input() = 0;
    // Shows the nick list's pop-up menu (Whois, Msg) at the pointer.
    virtual void popUpUserMenu() = 0;
};

// What a private window's view reports.
class PrivatViewEvents {
public:
    virtual ~PrivatViewEvents() = default;
    virtual void onResize() = 0;
    virtual void onActivated() = 0;
    virtual void onDeactivated() = 0;
    virtual bool onInputKey(int character) = 0;
    virtual void onTextMouseDown(int xPixels, int yPixels) = 0;
    virtual void onTextClick() = 0;
    // The user closed the window.
    virtual void onClose() = 0;
};

class PrivatView {
public:
    virtual ~PrivatView() = default;
    virtual ChildWindow& window() = 0;
    virtual TextView& text() = 0;
    virtual LineEdit& input() = 0;
};

// What the list window's view reports.
class ListViewEvents {
public:
    virtual ~ListViewEvents() = default;
    virtual void onResize() = 0;
    virtual void onActivated() = 0;
    virtual void onClick(int row) = 0;
    virtual void onDoubleClick(int row) = 0;
    // The user closed the window.
    virtual void onClose() = 0;
};

class ListWindowView {
public:
    virtual ~ListWindowView() = default;
    virtual ChildWindow& window() = 0;
    virtual ListBox& list() = 0;
};

} // namespace vz
