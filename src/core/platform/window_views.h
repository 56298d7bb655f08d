#pragma once

#include "platform/controls.h"

namespace vz {

// The controls of each kind of child window. The Qt layer builds them; the
// fake platform keeps them in memory.

class StatusView {
public:
    virtual ~StatusView() = default;
    virtual ChildWindow& window() = 0;
    virtual TextView& text() = 0;
    virtual LineEdit& input() = 0;
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

class PrivatView {
public:
    virtual ~PrivatView() = default;
    virtual ChildWindow& window() = 0;
    virtual TextView& text() = 0;
    virtual LineEdit& input() = 0;
};

class ListWindowView {
public:
    virtual ~ListWindowView() = default;
    virtual ChildWindow& window() = 0;
    virtual ListBox& list() = 0;
};

} // namespace vz
