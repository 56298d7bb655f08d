// Qt controls of the dialogs: check box and combo box; captions by control
// name, showing and tab order.
#pragma once

#include "platform/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>

#include <string>
#include <vector>

namespace vz {

// A check box over a QCheckBox.
class QtCheckBox final : public CheckBox {
public:
    explicit QtCheckBox(QCheckBox* box) : box_(box) {}
    bool isChecked() const override { return box_ && box_->isChecked(); }
    void setChecked(bool checked) override {
        if (box_)
            box_->setChecked(checked);
    }

private:
    QPointer<QCheckBox> box_;
};

// An editable QComboBox: typing never adds rows, and nothing is completed.
class QtComboBox final : public ComboBox {
public:
    explicit QtComboBox(QWidget* parent);
    QComboBox* widget() const { return combo_; }

    int count() const override;
    std::string row(int index) const override;
    void addRow(const std::string& text) override;
    void setRow(int index, const std::string& text) override;
    void removeRow(int index) override;
    void clear() override;
    int currentRow() const override;
    void setCurrentRow(int index) override;
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    QPointer<QComboBox> combo_;
};

// Sets the text of the dialog's button, group box, check box or label named
// `control`.
void setDialogCaption(QDialog& dialog, const std::string& control, const std::string& text);
// Shows a dialog without a nested event loop; a modal one blocks input to
// the other windows only.
void showDialog(QDialog& dialog, bool modal);
// A label with the object name `name`, so the language file can caption it.
QLabel* namedLabel(QWidget* parent, const char* name, const char* caption);
// Chains the tab order through `widgets` as listed.
void setTabOrder(const std::vector<QWidget*>& widgets);

} // namespace vz
