#include "qt_chat_view.h"

#include "windows/frm_chat.h"

#include <QCursor>
#include <QMenu>

namespace vz {
namespace {

constexpr double TopicPointSize = 8.5;

} // namespace

QtChatView::QtChatView(QMdiArea& area, frmChat& logic, std::function<QMenu*()> userMenu)
    : window_(area, QSize(640, 400)), input_(window_.client()), topic_(window_.client()),
      text_(window_.client()), users_(window_.client()), userMenu_(std::move(userMenu)) {
    topic_.makeOneLineBox(TopicPointSize);
    forwardEvents(logic);
}

void QtChatView::forwardEvents(frmChat& logic) {
    topic_.setKeyHandler([&logic](int code) { return logic.onTopicKey(code); });
    topic_.setFocusHandler([&logic] { logic.onTopicFocus(); });
    text_.setMouseHandlers([&logic](int x, int y) { logic.onTextMouseDown(x, y); },
                           [&logic] { logic.onTextClick(); });
    users_.setHandlers([&logic](int row) { logic.onUserClick(row); },
                       [&logic](int row) { logic.onUserDoubleClick(row); },
                       [&logic] { logic.onUserRightRelease(); });
    input_.setEnterHandler(LineEnd::EnterOrCtrlEnter, [&logic] { logic.onInputEnter(); });
    window_.setResizeHandler([&logic] { logic.onResize(); });
    window_.setActivateHandler([&logic] { logic.onActivated(); });
    window_.setDeactivateHandler([&logic] { logic.onDeactivated(); });
    window_.setCloseHandler([&logic] { logic.onClose(); });
}

void QtChatView::popUpUserMenu() {
    if (QMenu* menu = userMenu_ ? userMenu_() : nullptr)
        menu->popup(QCursor::pos());
}

} // namespace vz
