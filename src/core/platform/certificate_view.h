// The certificate dialog as the logic sees it.
#pragma once

#include <string>

namespace vz {

class CertificateViewEvents {
public:
    // The accept button.
    virtual void onAccept() = 0;
    // The reject button, Escape or the close box.
    virtual void onReject() = 0;

protected:
    ~CertificateViewEvents() = default;
};

// Shows a server certificate that failed verification: the server, the
// reason and the fingerprint, with accept and reject buttons.
class CertificateView {
public:
    virtual ~CertificateView() = default;
    // The caption of a label or button by its control name; "Caption" is
    // the window title.
    virtual void setCaption(const std::string& control, const std::string& text) = 0;
    virtual void setDetails(const std::string& server, const std::string& reason,
                            const std::string& fingerprint) = 0;
    // Modal to the user, but returns at once: events go on being handled.
    virtual void show() = 0;
    virtual void close() = 0;
};

} // namespace vz
