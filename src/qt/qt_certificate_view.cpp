// The certificate dialog's widgets.
#include "qt_certificate_view.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz {

namespace {

// A value the user may select and copy.
QLabel* value(QDialog* dialog) {
    auto* made = new QLabel(dialog);
    made->setTextFormat(Qt::PlainText);
    made->setTextInteractionFlags(Qt::TextSelectableByMouse);
    made->setWordWrap(true);
    return made;
}

QPushButton* button(QDialog* dialog, const char* name, const char* caption,
                    std::function<void()> pressed) {
    auto* made = new QPushButton(QString::fromUtf8(caption), dialog);
    made->setObjectName(name);
    QObject::connect(made, &QPushButton::clicked, std::move(pressed));
    return made;
}

} // namespace

QtCertificateView::QtCertificateView(QWidget* parent, CertificateViewEvents& events)
    : dialog_(new QDialog(parent)), server_(value(dialog_)), reason_(value(dialog_)),
      fingerprint_(value(dialog_)) {
    dialog_->setWindowTitle(QString::fromUtf8("Сертифікат сервера"));
    fingerprint_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    fingerprint_->setWordWrap(false);
    QLabel* warning = namedLabel(dialog_, "lblWarning",
                                 "Сертифікат сервера не пройшов перевірку. Прийміть його, лише "
                                 "якщо певні, що це сертифікат саме цього сервера.");
    warning->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(namedLabel(dialog_, "lblServer", "Сервер:"), server_);
    form->addRow(namedLabel(dialog_, "lblReason", "Причина:"), reason_);
    form->addRow(namedLabel(dialog_, "lblSha256", "SHA-256:"), fingerprint_);
    QPushButton* accept =
        button(dialog_, "btnAccept", "Прийняти", [&events] { events.onAccept(); });
    QPushButton* reject =
        button(dialog_, "btnReject", "Відхилити", [&events] { events.onReject(); });
    accept->setAutoDefault(false);
    reject->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(reject);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(warning);
    layout->addLayout(form);
    layout->addLayout(buttons);
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onReject(); });
}

QtCertificateView::~QtCertificateView() {
    delete dialog_;
}

void QtCertificateView::setCaption(const std::string& control, const std::string& text) {
    if (control == "Caption")
        dialog_->setWindowTitle(QString::fromStdString(text));
    else
        setDialogCaption(*dialog_, control, text);
}

void QtCertificateView::setDetails(const std::string& server, const std::string& reason,
                                   const std::string& fingerprint) {
    server_->setText(QString::fromStdString(server));
    reason_->setText(QString::fromStdString(reason));
    fingerprint_->setText(QString::fromStdString(fingerprint));
}

} // namespace vz
