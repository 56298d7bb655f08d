// What the Qt views of the status and private windows share: text and input line.
#pragma once

#include "qt_controls.h"
#include "qt_text_view.h"

#include <QSize>

class QMdiArea;

namespace vz {

// The widgets of a window made of a conversation text and an input line,
// behind the view interface `View`: the status window and private windows.
// The subclass forwards the widgets' events to the events interface it is
// built with.
template <class View> class QtConversationView : public View {
public:
    ChildWindow& window() override { return window_; }
    TextView& text() override { return text_; }
    LineEdit& input() override { return input_; }

protected:
    QtConversationView(QMdiArea& area, QSize initialPixels)
        : window_(area, initialPixels), input_(window_.client()), text_(window_.client()) {}

    QtChildWindow window_;
    // The input line comes first in the focus chain: a window that becomes
    // active gives it the focus, never the other controls.
    QtLineEdit input_;
    QtTextView text_;
};

} // namespace vz
