// The server editor's widgets.
#include "qt_server_editor_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz {

QtServerEditorView::QtServerEditorView(QWidget* parent, ServerEditorViewEvents& events)
    : dialog_(new QDialog(parent)) {
    dialog_->setWindowTitle("VuviVAZ");
    auto* frame = new QGroupBox("Server", dialog_);
    auto* form = new QFormLayout(frame);
    const auto field = [&](const char* editName, const char* name, const char* caption) {
        auto line = std::make_unique<QtLineEdit>(frame);
        line->widget()->setObjectName(editName);
        auto* label = new QLabel(caption, frame);
        label->setBuddy(line->widget());
        form->addRow(label, line->widget());
        captions_.add(name, label);
        return line;
    };
    server_ = field("txtServer", "Label1", "Server:");
    port_ = field("txtPort", "Label2", "Port:");
    description_ = field("txtDescription", "Label3", "Description:");
    group_ = field("txtGroup", "Label4", "Group:");
    captions_.add("Frame1", frame);
    auto* buttons = new QDialogButtonBox(dialog_);
    QPushButton* add = buttons->addButton("Add", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    add->setDefault(true);
    add->setObjectName("btnAdd");
    cancel->setObjectName("btnCancel");
    captions_.add("btnAdd", add);
    captions_.add("btnCancel", cancel);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    SetTabOrder({server_->widget(), port_->widget(), description_->widget(), group_->widget(), add,
                 cancel});
    QObject::connect(add, &QPushButton::clicked, [&events] { events.onAdd(); });
    QObject::connect(cancel, &QPushButton::clicked, [&events] { events.onCancel(); });
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onCancel(); });
}

QtServerEditorView::~QtServerEditorView() {
    server_.reset();
    port_.reset();
    description_.reset();
    group_.reset();
    delete dialog_;
}

void QtServerEditorView::setCaption(const std::string& name, const std::string& text) {
    captions_.set(name, text);
}

// Hiding the dialog also ends a modal showing.
void QtServerEditorView::show(bool modal) {
    server_->focus();
    if (modal) {
        dialog_->exec();
        return;
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    server_->focus();
}

void QtServerEditorView::close() {
    dialog_->hide();
}

} // namespace vz
