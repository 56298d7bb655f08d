#include "qt_ui_factory.h"

#include "qt_chat_view.h"
#include "qt_list_view.h"
#include "qt_privat_view.h"
#include "qt_status_view.h"

#include <QMenu>

namespace vz {

QtUiFactory::QtUiFactory(QMdiArea& area) : area_(area) {}

void QtUiFactory::setUserMenu(QMenu* menu) {
    userMenu_ = menu;
}

std::unique_ptr<StatusView> QtUiFactory::createStatusView(frmStatus& logic) {
    return std::make_unique<QtStatusView>(area_, logic);
}

std::unique_ptr<ChatView> QtUiFactory::createChatView(frmChat& logic) {
    return std::make_unique<QtChatView>(area_, logic, [this] { return userMenu_.data(); });
}

std::unique_ptr<PrivatView> QtUiFactory::createPrivatView(frmPrivat& logic) {
    return std::make_unique<QtPrivatView>(area_, logic);
}

std::unique_ptr<ListWindowView> QtUiFactory::createListView(frmList& logic) {
    return std::make_unique<QtListView>(area_, logic);
}

} // namespace vz
