#pragma once

#include "platform/window_views.h"

#include <memory>

namespace vz {

class frmStatus;
class frmChat;
class frmPrivat;
class frmList;

// Builds the child windows' controls. Each view forwards its widgets' events
// (keys, clicks, resize, activation, close) to the logic object it is given.
class UiFactory {
public:
    UiFactory() = default;
    UiFactory(const UiFactory&) = delete;
    UiFactory& operator=(const UiFactory&) = delete;
    virtual ~UiFactory() = default;

    virtual std::unique_ptr<StatusView> createStatusView(frmStatus& logic) = 0;
    virtual std::unique_ptr<ChatView> createChatView(frmChat& logic) = 0;
    virtual std::unique_ptr<PrivatView> createPrivatView(frmPrivat& logic) = 0;
    virtual std::unique_ptr<ListWindowView> createListView(frmList& logic) = 0;
};

} // namespace vz
