// Builds the Qt views of the child windows inside the main window's area.
#include "qt_ui_factory.h"

#include "qt_certificate_view.h"
#include "qt_chat_view.h"
#include "qt_favourites_view.h"
#include "qt_list_view.h"
#include "qt_options_view.h"
#include "qt_privat_view.h"
#include "qt_prompt_view.h"
#include "qt_status_view.h"

#include <QMdiArea>
#include <QMenu>

namespace vz {

QtUiFactory::QtUiFactory(QMdiArea& area) : area_(area) {}

void QtUiFactory::setUserMenu(QMenu* menu) {
    userMenu_ = menu;
}

std::unique_ptr<StatusView> QtUiFactory::createStatusView(StatusViewEvents& events) {
    return std::make_unique<QtStatusView>(area_, events);
}

std::unique_ptr<ChatView> QtUiFactory::createChatView(ChatViewEvents& events) {
    return std::make_unique<QtChatView>(area_, events, [this] { return userMenu_.data(); });
}

std::unique_ptr<PrivatView> QtUiFactory::createPrivatView(PrivatViewEvents& events) {
    return std::make_unique<QtPrivatView>(area_, events);
}

std::unique_ptr<ListWindowView> QtUiFactory::createListView(ListViewEvents& events) {
    return std::make_unique<QtListView>(area_, events);
}

std::unique_ptr<FavouritesView> QtUiFactory::createFavouritesView(FavouritesViewEvents& events) {
    return std::make_unique<QtFavouritesView>(area_.window(), events);
}

std::unique_ptr<ChannelEditorView>
QtUiFactory::createChannelEditorView(ChannelEditorEvents& events) {
    return std::make_unique<QtChannelEditorView>(area_.window(), events);
}

std::unique_ptr<PromptView> QtUiFactory::createPromptView(PromptViewEvents& events) {
    return std::make_unique<QtPromptView>(area_.window(), events);
}

std::unique_ptr<OptionsView> QtUiFactory::createOptionsView(OptionsViewEvents& events) {
    return std::make_unique<QtOptionsView>(area_.window(), events);
}

std::unique_ptr<CertificateView> QtUiFactory::createCertificateView(CertificateViewEvents& events) {
    return std::make_unique<QtCertificateView>(area_.window(), events);
}

} // namespace vz
