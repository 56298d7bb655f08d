#include "windows/frm_privat.h"

#include "windows/control_helpers.h"
#include "windows/conversation_lines.h"
#include "windows/window_host.h"

namespace vz {

namespace {

// Room left under the conversation view for the input line, and its height.
constexpr int InputRoom = 300;
constexpr int InputHeight = 285;

} // namespace

frmPrivat::frmPrivat(WindowHost& main) : main_(main) {}

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
    strHoverWord.clear();
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

void frmPrivat::PutText(const std::string& strNick, std::string strText) {
    if (IsAction(strText))
        main_.PutColorText(rtfText(), ActionLine(strNick, strText), strPrivNick);
    else if (IsVersionRequest(strText))
        main_.AnswerVersion(strPrivNick, VersionAnswer::PrivateWindow);
    else
        main_.PutColorText(rtfText(), MessageLine(strPrivNick, strText), strPrivNick);
}

void frmPrivat::SetLang() {
    strCaption = main_.LangText("Private", "strCaption");
    window().setTitle(captionTitle());
}

void frmPrivat::close() {
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

void frmPrivat::onInputEnter() {
    const std::string text = TypedText(txtIn());
    if (!text.empty() && text.front() == '/') {
        main_.SendData(main_.ParseCommand(strPrivNick, text.substr(1)));
    } else {
        main_.SendData("PRIVMSG " + strPrivNick + " :" + text);
        main_.PutColorText(rtfText(), OwnLine(main_.globals().Nick, text), strPrivNick);
    }
    txtIn().setText("");
}

// The custom pointer marks the user's own nick and the window's title.
void frmPrivat::onTextMouseDown(int xPixels, int yPixels) {
    strHoverWord = WordAtPointer(rtfText(), xPixels, yPixels);
    const bool known = !strHoverWord.empty() &&
                       (strHoverWord == main_.globals().Nick || strHoverWord == window().title());
    rtfText().setCustomPointer(known);
}

void frmPrivat::onTextClick() {
    AddressWord(txtIn(), strHoverWord);
}

void frmPrivat::onClose() {
    close();
}

} // namespace vz
