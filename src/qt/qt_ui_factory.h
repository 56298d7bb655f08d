#pragma once

#include "platform/ui_factory.h"

#include <QPointer>

class QMdiArea;
class QMenu;

namespace vz {

// Builds the child windows as sub-windows of the main window's MDI area.
class QtUiFactory final : public UiFactory {
public:
    explicit QtUiFactory(QMdiArea& area);

    // The nick list's pop-up menu (Whois, Msg), owned by the main window.
    void setUserMenu(QMenu* menu);

    std::unique_ptr<StatusView> createStatusView(frmStatus& logic) override;
    std::unique_ptr<ChatView> createChatView(frmChat& logic) override;
    std::unique_ptr<PrivatView> createPrivatView(frmPrivat& logic) override;
    std::unique_ptr<ListWindowView> createListView(frmList& logic) override;

private:
    QMdiArea& area_;
    QPointer<QMenu> userMenu_;
};

} // namespace vz
