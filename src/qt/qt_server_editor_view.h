// The server editor's widgets.
#pragma once

#include "platform/options_view.h"
#include "qt_controls.h"
#include "qt_dialog_controls.h"

#include <QDialog>
#include <QPointer>

#include <memory>

namespace vz {

// Host, port, description and group fields with the add and cancel buttons.
// Enter is the add button; Escape and the close box count as cancel.
class QtServerEditorView final : public ServerEditorView {
public:
    QtServerEditorView(QWidget* parent, ServerEditorViewEvents& events);
    ~QtServerEditorView() override;

    void setCaption(const std::string& name, const std::string& text) override {
        setDialogCaption(*dialog_, name, text);
    }
    LineEdit& txtServer() override { return *server_; }
    LineEdit& txtPort() override { return *port_; }
    LineEdit& txtDescription() override { return *description_; }
    LineEdit& txtGroup() override { return *group_; }
    void show(bool modal) override;
    void close() override { dialog_->hide(); }

    QDialog* dialog() const { return dialog_; }

private:
    QPointer<QDialog> dialog_;
    std::unique_ptr<QtLineEdit> server_, port_, description_, group_;
};

} // namespace vz
