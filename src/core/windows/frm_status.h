#pragma once

#include "platform/window_views.h"

#include <memory>
#include <string>

namespace vz {

class WindowHost;

// The status window: one for the whole run, for everything that belongs to
// no channel or conversation.
class frmStatus {
public:
    explicit frmStatus(WindowHost& main);

    // Builds the view (once) and shows it as the active window.
    void show();
    TextView& rtfText();
    LineEdit& txtIn();
    ChildWindow& window();
    void SetLang();

    // Events forwarded by the view.
    void onFirstShown();
    void onResize();
    void onActivated();
    void onDeactivated();
    // Enter in the input line.
    void onInputEnter();

private:
    void layout();
    StatusView& view();

    WindowHost& main_;
    std::unique_ptr<StatusView> view_;
};

} // namespace vz
