#include "windows/frm_status.h"

#include "app/frm_main.h"
#include "input/command_parser.h"
#include "windows/control_helpers.h"

namespace vz {

namespace {

// The input line keeps the height it was designed with.
constexpr int InputLineHeight = 300;

} // namespace

frmStatus::frmStatus(frmMain& main) : main_(main) {}

StatusView& frmStatus::view() {
    if (!view_) {
        view_ = main_.platform().ui.createStatusView(*this);
        view_->text().setLineLimit(main_.globals().Scrollback);
    }
    return *view_;
}

void frmStatus::show() {
    const bool firstTime = !view_;
    view().window().show();
    if (firstTime)
        onFirstShown();
    window().activate();
}

TextView& frmStatus::rtfText() {
    return view().text();
}
LineEdit& frmStatus::txtIn() {
    return view().input();
}
ChildWindow& frmStatus::window() {
    return view().window();
}

void frmStatus::SetLang() {
    window().setTitle(main_.LangTextOr("Status", "Caption", "Status"));
}

void frmStatus::onFirstShown() {
    SetLang();
    layout();
}

void frmStatus::onResize() {
    layout();
}

void frmStatus::layout() {
    const TwipSize client = window().clientSize();
    const int textHeight = client.height - InputLineHeight;
    PlaceIfValid(rtfText(), TwipRect{0, 0, client.width, textHeight});
    PlaceIfValid(txtIn(), TwipRect{0, textHeight, window().outerWidth(), InputLineHeight});
}

void frmStatus::onActivated() {
    main_.mainWindow().setMenuEnabled("mnuTopic", false);
    main_.setActiveChild(&rtfText());
    txtIn().focus();
}

void frmStatus::onDeactivated() {
    main_.childDeactivated(rtfText());
}

void frmStatus::onInputEnter() {
    if (const auto line = StatusInputLine(main_, txtIn().text()))
        main_.SendData(*line);
    txtIn().setText("");
}

} // namespace vz
