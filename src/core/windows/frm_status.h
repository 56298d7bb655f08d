// The status window: everything that belongs to no channel or conversation.
#pragma once

#include "platform/window_views.h"

#include <memory>
#include <string>

namespace vz {

class WindowHost;

// The status window: one for the whole run, for everything that belongs to
// no channel or conversation.
class frmStatus : public StatusViewEvents {
public:
    explicit frmStatus(WindowHost& main);

    // Builds the view (once) and shows it as the active window.
    void show();
    TextView& rtfText();
    LineEdit& txtIn();
    ChildWindow& window();
    void SetLang();

    // The input line's text is done: it is sent or run as a command.
    void onInputEnter();

    // Events forwarded by the view.
    void onResize() override;
    void onActivated() override;
    void onDeactivated() override;
    bool onInputKey(int character) override;

private:
    // Applies the language and lays the window out when it is first shown.
    void onFirstShown();
    void layout();
    StatusView& view();

    WindowHost& main_;
    std::unique_ptr<StatusView> view_;
};

} // namespace vz
