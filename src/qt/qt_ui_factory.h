// Builds the Qt views of the child windows inside the main window's area.
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

    std::unique_ptr<StatusView> createStatusView(StatusViewEvents& events) override;
    std::unique_ptr<ChatView> createChatView(ChatViewEvents& events) override;
    std::unique_ptr<PrivatView> createPrivatView(PrivatViewEvents& events) override;
    std::unique_ptr<ListWindowView> createListView(ListViewEvents& events) override;
    // The prompt dialog, over the main window.
    std::unique_ptr<PromptView> createPromptView(PromptViewEvents& events) override;
    // The favourite channels dialog and its editor, over the main window.
    std::unique_ptr<FavouritesView> createFavouritesView(FavouritesViewEvents& events) override;
    std::unique_ptr<ChannelEditorView>
    createChannelEditorView(ChannelEditorEvents& events) override;
    // The options dialog, over the main window.
    std::unique_ptr<OptionsView> createOptionsView(OptionsViewEvents& events) override;
    // The certificate dialog, over the main window.
    std::unique_ptr<CertificateView> createCertificateView(CertificateViewEvents& events) override;

private:
    QMdiArea& area_;
    QPointer<QMenu> userMenu_;
};

} // namespace vz
