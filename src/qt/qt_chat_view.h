// Qt widgets of a channel window: topic box, conversation, nick list and input line.
#pragma once

#include "platform/window_views.h"
#include "qt_controls.h"
#include "qt_text_view.h"

#include <functional>

class QMdiArea;
class QMenu;

namespace vz {

// A channel window's widgets: topic box, conversation, nick list and input.
class QtChatView final : public ChatView {
public:
    // `userMenu` gives the nick list's pop-up menu when it is needed.
    QtChatView(QMdiArea& area, ChatViewEvents& events, std::function<QMenu*()> userMenu);

    ChildWindow& window() override { return window_; }
    TextView& topic() override { return topic_; }
    TextView& text() override { return text_; }
    ListBox& users() override { return users_; }
    LineEdit& input() override { return input_; }
    void popUpUserMenu() override;

private:
    void forwardEvents(ChatViewEvents& events);

    QtChildWindow window_;
    // The input line comes first in the focus chain: a window that becomes
    // active gives it the focus, never the other controls.
    QtLineEdit input_;
    QtTextView topic_;
    QtTextView text_;
    QtListBox users_;
    std::function<QMenu*()> userMenu_;
};

} // namespace vz
