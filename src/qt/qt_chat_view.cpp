// Qt widgets of a channel window: topic box, conversation, nick list and input line.
#include "qt_chat_view.h"

#include <QCursor>
#include <QMenu>

namespace vz {
namespace {

constexpr double TopicPointSize = 8.5;

} // namespace

QtChatView::QtChatView(QMdiArea& area, ChatViewEvents& events, std::function<QMenu*()> userMenu)
    : window_(area, QSize(640, 400)), input_(window_.client()), topic_(window_.client()),
      text_(window_.client()), users_(window_.client()), userMenu_(std::move(userMenu)) {
    topic_.makeOneLineBox(TopicPointSize);
    forwardEvents(events);
}

void QtChatView::forwardEvents(ChatViewEvents& events) {
    topic_.setKeyHandler([&events](int code) { return events.onTopicKey(code); });
    topic_.setFocusHandler([&events] { events.onTopicFocus(); });
    text_.setMouseHandlers([&events](int x, int y) { events.onTextMouseDown(x, y); },
                           [&events] { events.onTextClick(); });
    users_.setHandlers([&events](int row) { events.onUserClick(row); },
                       [&events](int row) { events.onUserDoubleClick(row); },
                       [&events] { events.onUserRightRelease(); });
    input_.setKeyHandler([&events](int code) { return events.onInputKey(code); });
    window_.setResizeHandler([&events] { events.onResize(); });
    window_.setActivateHandler([&events] { events.onActivated(); });
    window_.setDeactivateHandler([&events] { events.onDeactivated(); });
    window_.setCloseHandler([&events] { events.onClose(); });
}

void QtChatView::popUpUserMenu() {
    if (QMenu* menu = userMenu_ ? userMenu_() : nullptr)
        menu->popup(QCursor::pos());
}

} // namespace vz
