// Qt widgets of the list window: one list of rows.
#pragma once

#include "platform/window_views.h"
#include "qt_controls.h"

class QMdiArea;

namespace vz {

// The list window's widgets: one list of channel, names or WHOIS rows.
class QtListView final : public ListWindowView {
public:
    QtListView(QMdiArea& area, ListViewEvents& events);

    ChildWindow& window() override { return window_; }
    ListBox& list() override { return list_; }

private:
    QtChildWindow window_;
    QtListBox list_;
};

} // namespace vz
