#pragma once

#include "platform/window_views.h"
#include "qt_controls.h"
#include "qt_text_view.h"

class QMdiArea;

namespace vz {

class frmStatus;

// The status window's widgets: conversation text and input line.
class QtStatusView final : public StatusView {
public:
    QtStatusView(QMdiArea& area, frmStatus& logic);

    ChildWindow& window() override { return window_; }
    TextView& text() override { return text_; }
    LineEdit& input() override { return input_; }

    QtChildWindow& qtWindow() { return window_; }
    QtTextView& qtText() { return text_; }
    QtLineEdit& qtInput() { return input_; }

private:
    QtChildWindow window_;
    // The input line comes first in the focus chain: a window that becomes
    // active gives it the focus, never the other controls.
    QtLineEdit input_;
    QtTextView text_;
};

} // namespace vz
