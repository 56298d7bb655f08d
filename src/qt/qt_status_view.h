// Qt widgets of the status window: text and input line.
#pragma once

#include "platform/window_views.h"
#include "qt_conversation_view.h"

namespace vz {

// The status window's widgets.
class QtStatusView final : public QtConversationView<StatusView> {
public:
    QtStatusView(QMdiArea& area, StatusViewEvents& events);
};

} // namespace vz
