// Qt controls of the dialogs: check box, combo box and captions by name.
#pragma once

#include "platform/dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>

#include <map>
#include <string>
#include <vector>

namespace vz {

class QtCheckBox final : public CheckBox {
public:
    explicit QtCheckBox(QWidget* parent);
    QCheckBox* widget() const { return box_; }

    bool isChecked() const override;
    void setChecked(bool checked) override;

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

// The captioned controls of a dialog by the program's names: labels, buttons,
// check boxes and frames.
class QtCaptions {
public:
    // A control without a name (empty) gets no caption from the logic.
    void add(const std::string& name, QWidget* widget) {
        if (!name.empty())
            widgets_[name] = widget;
    }
    // A name the dialog does not have changes nothing.
    void set(const std::string& name, const std::string& caption) const;

private:
    std::map<std::string, QPointer<QWidget>> widgets_;
};

// Chains the tab order through `widgets` as listed.
void SetTabOrder(const std::vector<QWidget*>& widgets);

} // namespace vz
