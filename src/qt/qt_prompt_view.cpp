// The prompt dialog's widgets.
#include "qt_prompt_view.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz {

QtPromptView::QtPromptView(QWidget* parent, PromptViewEvents& events)
    : dialog_(new QDialog(parent)), label_(new QLabel(dialog_)),
      field_(std::make_unique<QtLineEdit>(dialog_)), ok_(new QPushButton("OK", dialog_)),
      cancel_(new QPushButton("Cancel", dialog_)) {
    dialog_->setWindowTitle("VuviVAZ");
    dialog_->setModal(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok_, cancel_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(label_);
    layout->addWidget(field_->widget());
    layout->addLayout(buttons);
    dialog_->resize(360, dialog_->sizeHint().height());
    field_->setKeyHandler([&events](int code) { return events.onFieldKey(code); });
    QObject::connect(ok_, &QPushButton::clicked, [&events] { events.onOk(); });
    QObject::connect(cancel_, &QPushButton::clicked, [&events] { events.onCancel(); });
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onCancel(); });
}

QtPromptView::~QtPromptView() {
    field_.reset();
    delete dialog_;
}

void QtPromptView::setLabel(const std::string& text) {
    label_->setText(QString::fromStdString(text));
}

void QtPromptView::setOkCaption(const std::string& text) {
    ok_->setText(QString::fromStdString(text));
}

void QtPromptView::setCancelCaption(const std::string& text) {
    cancel_->setText(QString::fromStdString(text));
}

void QtPromptView::show() {
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    field_->focus();
}

void QtPromptView::close() {
    dialog_->hide();
}

} // namespace vz
