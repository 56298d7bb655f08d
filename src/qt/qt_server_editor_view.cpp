// The server editor's widgets.
#include "qt_server_editor_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vz {

QtServerEditorView::QtServerEditorView(QWidget* parent, ServerEditorViewEvents& events)
    : dialog_(new QDialog(parent)) {
    dialog_->setWindowTitle("VuviVAZ");
    auto* frame = new QGroupBox(QString::fromUtf8("Сервер"), dialog_);
    frame->setObjectName("Frame1");
    auto* form = new QFormLayout(frame);
    const auto field = [&](const char* name, const char* labelName, const char* caption) {
        auto line = std::make_unique<QtLineEdit>(frame);
        line->widget()->setObjectName(name);
        auto* label = new QLabel(QString::fromUtf8(caption), frame);
        label->setObjectName(labelName);
        label->setBuddy(line->widget());
        form->addRow(label, line->widget());
        return line;
    };
    server_ = field("txtServer", "Label1", "Сервер:");
    port_ = field("txtPort", "Label2", "Порт:");
    description_ = field("txtDescription", "Label3", "Опис:");
    group_ = field("txtGroup", "Label4", "Група:");
    auto* add = new QPushButton(QString::fromUtf8("Додати"), dialog_);
    add->setObjectName("btnAdd");
    add->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("Скасувати"), dialog_);
    cancel->setObjectName("btnCancel");
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    dialog_->resize(340, dialog_->sizeHint().height());
    setTabOrder({server_->widget(), port_->widget(), description_->widget(), group_->widget(), add,
                 cancel});
    QObject::connect(add, &QPushButton::clicked, [&events] { events.onAdd(); });
    QObject::connect(cancel, &QPushButton::clicked, [&events] { events.onCancel(); });
    QObject::connect(dialog_, &QDialog::rejected, [&events] { events.onCancel(); });
}

QtServerEditorView::~QtServerEditorView() {
    delete dialog_;
}

void QtServerEditorView::show(bool modal) {
    showDialog(*dialog_, modal);
    server_->focus();
}

} // namespace vz
