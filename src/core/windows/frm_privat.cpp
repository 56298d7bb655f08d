#include "windows/frm_privat.h"

#include "app/ctcp.h"
#include "app/frm_main.h"
#include "text/utf8.h"
#include "windows/word_under_pointer.h"

namespace vz {

namespace {

// Room left under the conversation view for the input line, and its height.
constexpr int InputRoom = 300;
constexpr int InputHeight = 285;

const std::string ActionStart = std::string(1, CtcpMark) + "ACTION ";
const std::string VersionRequest = std::string(1, CtcpMark) + "VERSION" + CtcpMark;

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

frmPrivat::frmPrivat(frmMain& main) : main_(main) {}

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
    if (startsWith(strText, ActionStart)) {
        strText = utf8::dropLast(utf8::substr(strText, utf8::length(ActionStart)));
        main_.PutColorText(rtfText(), "06" + strNick + " " + strText, strPrivNick);
    } else if (startsWith(strText, VersionRequest)) {
        answerVersion();
    } else {
        const std::string line = "\x02" + strPrivNick + "\x02\x1F:\x1F \t" + strText;
        main_.PutColorText(rtfText(), trimBlanks(line), strPrivNick);
    }
}

// A CTCP reply that servers deliver, within the shared limit of automatic answers.
void frmPrivat::answerVersion() {
    if (main_.replyLimiter().tryTake())
        main_.SendData("NOTICE " + strPrivNick + " :" + CtcpMark + "VERSION VuviVAZ v1.14" +
                       CtcpMark);
}

void frmPrivat::SetLang() {
    strCaption = main_.LangText("Private", "strCaption");
    window().setTitle(captionTitle());
}

void frmPrivat::close() {
    strPrivNick.clear();
    window().setTitle("");
    window().hide();
}

void frmPrivat::layout() {
    const TwipSize client = window().clientSize();
    const int textHeight = client.height - InputRoom;
    if (client.width >= 0 && textHeight >= 0) {
        rtfText().place(TwipRect{0, 0, client.width, textHeight});
        textHeight_ = textHeight;
    }
    const int inputWidth = window().outerWidth();
    if (inputWidth >= 0)
        txtIn().place(TwipRect{0, textHeight_, inputWidth, InputHeight});
}

void frmPrivat::onResize() {
    layout();
}

void frmPrivat::onActivated() {
    main_.mainWindow().setMenuEnabled("mnuTopic", false);
    main_.globals().CurrentPrivat = strPrivNick;
    window().setTitle(captionTitle());
    main_.setActiveChild(&rtfText());
    txtIn().focus();
}

void frmPrivat::onInputEnter() {
    const std::string text = txtIn().text();
    if (!text.empty() && text.front() == '/') {
        main_.SendData(main_.ParseCommand(strPrivNick, text.substr(1)));
    } else {
        main_.SendData("PRIVMSG " + strPrivNick + " :" + text);
        main_.PutColorText(rtfText(), "\x02" + main_.globals().Nick + "\x02\x1F:\x1F\t" + text,
                           strPrivNick);
    }
    txtIn().setText("");
}

// The custom pointer marks the user's own nick and the window's title.
void frmPrivat::onTextMouseDown(int xPixels, int yPixels) {
    TextView& text = rtfText();
    strHoverWord = WordAt(text.text(), text.charIndexAt(xPixels, yPixels));
    const bool known = !strHoverWord.empty() &&
                       (strHoverWord == main_.globals().Nick || strHoverWord == window().title());
    text.setCustomPointer(known);
}

void frmPrivat::onTextClick() {
    LineEdit& input = txtIn();
    const std::string line = input.text() + " " + strHoverWord + ", ";
    input.setText(line);
    input.setCaret(static_cast<int>(utf8::length(line)));
    input.focus();
}

void frmPrivat::onClose() {
    close();
}

} // namespace vz
