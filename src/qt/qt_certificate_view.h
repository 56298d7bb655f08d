// The certificate dialog's widgets.
#pragma once

#include "platform/certificate_view.h"
#include "qt_dialog_controls.h"

#include <QDialog>
#include <QPointer>

class QLabel;

namespace vz {

// The server, the reason and the SHA-256 fingerprint of a certificate that
// failed verification, with Accept and Reject. Escape and the close box
// count as Reject, and so does Enter.
class QtCertificateView final : public CertificateView {
public:
    QtCertificateView(QWidget* parent, CertificateViewEvents& events);
    ~QtCertificateView() override;

    void setCaption(const std::string& control, const std::string& text) override;
    void setDetails(const std::string& server, const std::string& reason,
                    const std::string& fingerprint) override;
    void show() override { showDialog(*dialog_, true); }
    void close() override { dialog_->hide(); }

    QDialog* dialog() const { return dialog_; }

private:
    QPointer<QDialog> dialog_;
    QLabel* server_;
    QLabel* reason_;
    QLabel* fingerprint_;
};

} // namespace vz
