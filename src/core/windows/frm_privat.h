// The private window: a conversation with one other user.
#pragma once

#include "platform/window_views.h"
#include "windows/conversation.h"

#include <memory>
#include <string>

namespace vz {

class WindowHost;

// A private conversation with one other user.
class frmPrivat : public PrivatViewEvents {
public:
    explicit frmPrivat(WindowHost& main);

    std::string strPrivNick;
    std::string strPrivHost;
    std::string tag;

    // Builds the view on first use, resets it to a fresh window, lays it out,
    // reads its caption word and shows it titled with the bare nick. Showing
    // does not activate it: an incoming message must not take the focus.
    void open(const std::string& nick, const std::string& host, int slot);
    bool isOpen() const { return !strPrivNick.empty(); }

    ChildWindow& window();
    TextView& rtfText();
    LineEdit& txtIn();

    // Shows one message from the partner: an action, a version request
    // (answered, not shown) or a plain line.
    void PutText(const std::string& strNick, const std::string& strText);
    void SetLang();
    // Frees the slot; nothing is sent.
    void close();

    // The input line's text is done: it is sent or run as a command.
    void onInputEnter();

    // Events forwarded by the view.
    void onResize() override;
    void onActivated() override;
    void onDeactivated() override;
    bool onInputKey(int character) override;
    void onTextMouseDown(int xPixels, int yPixels) override;
    void onTextClick() override;
    void onClose() override;

private:
    void resetViews();
    void layout();
    std::string captionTitle() const { return strCaption + " " + strPrivNick; }
    PrivatView& view();

    WindowHost& main_;
    std::unique_ptr<PrivatView> view_;
    std::string strCaption;
    Conversation conversation_;
    // Height of the conversation view as placed last; a skipped layout step
    // keeps it, and the input line is placed below it.
    int textHeight_ = 0;
};

} // namespace vz
