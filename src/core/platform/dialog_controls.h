// The controls of the dialogs: check boxes and combo boxes.
#pragma once

#include <string>

namespace vz {

// A check box that is either ticked or clear.
class CheckBox {
public:
    CheckBox() = default;
    CheckBox(const CheckBox&) = delete;
    CheckBox& operator=(const CheckBox&) = delete;
    virtual ~CheckBox() = default;

    virtual bool isChecked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

// A list of text rows, indexed from 0, with a text field the user may type
// into or fill by picking a row.
class ComboBox {
public:
    ComboBox() = default;
    ComboBox(const ComboBox&) = delete;
    ComboBox& operator=(const ComboBox&) = delete;
    virtual ~ComboBox() = default;

    virtual int count() const = 0;
    virtual std::string row(int index) const = 0;
    virtual void addRow(const std::string& text) = 0;
    virtual void setRow(int index, const std::string& text) = 0;
    virtual void removeRow(int index) = 0;
    virtual void clear() = 0;
    // The row picked last (-1 for none); typing in the field leaves it.
    virtual int currentRow() const = 0;
    // Picks a row (-1: none); the field then shows that row.
    virtual void setCurrentRow(int index) = 0;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

} // namespace vz
