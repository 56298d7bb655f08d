// Qt widgets of a private window: conversation and input line.
#pragma once

#include "platform/window_views.h"
#include "qt_conversation_view.h"

namespace vz {

// A private window's widgets.
class QtPrivatView final : public QtConversationView<PrivatView> {
public:
    QtPrivatView(QMdiArea& area, PrivatViewEvents& events);
};

} // namespace vz
