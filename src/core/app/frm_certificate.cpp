// The certificate dialog and the server certificates the user accepted.
#include "app/frm_certificate.h"

#include "app/dialog_captions.h"
#include "app/frm_main.h"

namespace vz {

namespace {

constexpr const char* Section = "Certificates";
const char* const Captions[] = {"Caption",   "lblWarning", "lblServer", "lblReason",
                                "lblSha256", "btnAccept",  "btnReject"};

std::string keyOf(const std::string& host, int port) {
    return host + ":" + std::to_string(port);
}

} // namespace

frmCertificate::frmCertificate(frmMain& main) : main_(main) {}

frmCertificate::~frmCertificate() = default;

CertificateView& frmCertificate::view() {
    if (!view_)
        view_ = main_.platform().ui.createCertificateView(*this);
    return *view_;
}

void frmCertificate::SetLang() {
    for (const char* control : Captions)
        SetCaptionFrom(main_.languageTexts(), view(), control, "Certificate", control);
}

std::string frmCertificate::AcceptedFingerprint(const std::string& host, int port) {
    clsINI& settings = main_.SettingsIni();
    settings.setFileName(SettingsFileName);
    return ValueOrEmpty(settings.Value(Section, keyOf(host, port)));
}

void frmCertificate::Show(const std::string& host, int port, const std::string& reason,
                          const std::string& fingerprint) {
    host_ = host;
    port_ = port;
    fingerprint_ = fingerprint;
    SetLang();
    view().setDetails(keyOf(host, port), reason, fingerprint);
    view().show();
}

void frmCertificate::onAccept() {
    view().close();
    clsINI& settings = main_.SettingsIni();
    settings.setFileName(SettingsFileName);
    settings.setValue(Section, keyOf(host_, port_), fingerprint_);
    settings.UpdateFile();
    main_.connection().ConnectTo();
}

void frmCertificate::onReject() {
    view().close();
}

} // namespace vz
