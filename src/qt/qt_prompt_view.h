// The prompt dialog's widgets.
#pragma once

#include "platform/prompt_view.h"
#include "qt_controls.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class QLabel;
class QPushButton;
class QWidget;

namespace vz {

// A dialog that does not block its parent: a label, a one-line field, OK and
// Cancel. Escape and the close box count as Cancel.
class QtPromptView final : public PromptView {
public:
    QtPromptView(QWidget* parent, PromptViewEvents& events);
    ~QtPromptView() override;

    void setLabel(const std::string& text) override;
    void setOkCaption(const std::string& text) override;
    void setCancelCaption(const std::string& text) override;
    LineEdit& field() override { return *field_; }
    void show() override;
    void close() override;

    QDialog* dialog() const { return dialog_; }

private:
    QPointer<QDialog> dialog_;
    QLabel* label_;
    std::unique_ptr<QtLineEdit> field_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace vz
