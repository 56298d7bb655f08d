// The certificate dialog and the server certificates the user accepted.
#pragma once

#include "platform/certificate_view.h"

#include <memory>
#include <string>

namespace vz {

class frmMain;

// Asks the user about a server certificate that failed verification. An
// accepted one is stored as [Certificates] host:port = its SHA-256
// fingerprint (host as typed, port without "+"), and a new attempt starts.
class frmCertificate : public CertificateViewEvents {
public:
    explicit frmCertificate(frmMain& main);
    ~frmCertificate();

    // The fingerprint accepted for the server, or "".
    std::string AcceptedFingerprint(const std::string& host, int port);
    // Shows the dialog for the certificate; one already open shows this one.
    void Show(const std::string& host, int port, const std::string& reason,
              const std::string& fingerprint);

    void onAccept() override;
    void onReject() override;

private:
    CertificateView& view();
    void SetLang();

    frmMain& main_;
    std::unique_ptr<CertificateView> view_;
    std::string host_;
    int port_ = 0;
    std::string fingerprint_;
};

} // namespace vz
