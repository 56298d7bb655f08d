// The private window: a conversation with one other user.
#include "windows/frm_privat.h"

#include "windows/control_helpers.h"
#include "windows/input_keys.h"
#include "windows/window_host.h"

namespace vz {

namespace {

// Room left under the conversation view for the input line, and its height.
constexpr int InputRoom = 300;
constexpr int InputHeight = 285;

} // namespace

frmPrivat::frmPrivat(WindowHost& main)
    : main_(main),
      conversation_(main, VersionAnswer::PrivateWindow, Conversation::EmptyInput::AfterSending) {}

PrivatView& frmPrivat::view() {
    if (!view_)
        view_ = main_.platform().ui.createPrivatView(*this);
    return *view_;
}

void frmPrivat::open(const std::string& nick, const std::string& host, int slot) {
    strPrivNick = nick;
    strPrivHost = host;
    tag = std::to_string(slot);
    resetViews();
    layout();
    SetLang();
    window().setTitle(nick);
    window().show();
}

void frmPrivat::resetViews() {
    rtfText().clear();
    rtfText().setCustomPointer(false);
    txtIn().setText("");
    txtIn().setCaret(0);
    conversation_.forgetHoverWord();
}

ChildWindow& frmPrivat::window() {
    return view().window();
}
TextView& frmPrivat::rtfText() {
    return view().text();
}
LineEdit& frmPrivat::txtIn() {
    return view().input();
}

void frmPrivat::PutText(const std::string& strNick, const std::string& strText) {
    conversation_.PutText(rtfText(), strNick, strPrivNick, strText, strPrivNick);
}

void frmPrivat::SetLang() {
    strCaption = main_.LangText("Private", "strCaption");
    window().setTitle(captionTitle());
}

void frmPrivat::close() {
    main_.closeLog(strPrivNick);
    strPrivNick.clear();
    window().setTitle("");
    window().hide();
    onDeactivated();
}

void frmPrivat::layout() {
    const TwipSize client = window().clientSize();
    const int textHeight = client.height - InputRoom;
    if (PlaceIfValid(rtfText(), TwipRect{0, 0, client.width, textHeight}))
        textHeight_ = textHeight;
    PlaceIfValid(txtIn(), TwipRect{0, textHeight_, window().outerWidth(), InputHeight});
}

void frmPrivat::onResize() {
    layout();
}

void frmPrivat::onActivated() {
    main_.platform().mainWindow.setMenuEnabled("mnuTopic", false);
    main_.globals().CurrentPrivat = strPrivNick;
    window().setTitle(captionTitle());
    main_.setActiveChild(&rtfText());
    txtIn().focus();
}

void frmPrivat::onDeactivated() {
    main_.childDeactivated(rtfText());
}

bool frmPrivat::onInputKey(int character) {
    return HandleInputKey(main_.platform(), InputField::PrivatLine, character, txtIn(),
                          [this] { onInputEnter(); });
}

void frmPrivat::onInputEnter() {
    conversation_.onInputEnter(txtIn(), rtfText(), strPrivNick);
}

// The custom pointer marks the user's own nick and the window's title.
void frmPrivat::onTextMouseDown(int xPixels, int yPixels) {
    const std::string& word = conversation_.hoverAt(rtfText(), xPixels, yPixels);
    const bool known = !word.empty() && (word == main_.globals().Nick || word == window().title());
    rtfText().setCustomPointer(known);
}

void frmPrivat::onTextClick() {
    conversation_.addressHoverWord(txtIn());
}

void frmPrivat::onClose() {
    close();
}

} // namespace vz
