// Building the child windows' views.
#pragma once

#include "platform/certificate_view.h"
#include "platform/favourites_view.h"
#include "platform/options_view.h"
#include "platform/prompt_view.h"
#include "platform/window_views.h"

#include <memory>

namespace vz {

// Builds the child windows' controls. Each view forwards its widgets' events
// (keys, clicks, resize, activation, close) to the events interface it is
// given.
class UiFactory {
public:
    UiFactory() = default;
    UiFactory(const UiFactory&) = delete;
    UiFactory& operator=(const UiFactory&) = delete;
    virtual ~UiFactory() = default;

    virtual std::unique_ptr<StatusView> createStatusView(StatusViewEvents& events) = 0;
    virtual std::unique_ptr<ChatView> createChatView(ChatViewEvents& events) = 0;
    virtual std::unique_ptr<PrivatView> createPrivatView(PrivatViewEvents& events) = 0;
    virtual std::unique_ptr<ListWindowView> createListView(ListViewEvents& events) = 0;
    virtual std::unique_ptr<PromptView> createPromptView(PromptViewEvents& events) = 0;
    virtual std::unique_ptr<FavouritesView> createFavouritesView(FavouritesViewEvents& events) = 0;
    virtual std::unique_ptr<ChannelEditorView>
    createChannelEditorView(ChannelEditorEvents& events) = 0;
    virtual std::unique_ptr<OptionsView> createOptionsView(OptionsViewEvents& events) = 0;
    virtual std::unique_ptr<CertificateView>
    createCertificateView(CertificateViewEvents& events) = 0;
};

} // namespace vz
