// The controls the logic drives: text views, input lines, lists and child windows.
#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vz {

// A widget placed by the logic's layout.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    // A rectangle with a negative width or height is never passed.
    virtual void place(const TwipRect& rect) = 0;
};

struct TextAttr {
    std::uint32_t rgb = 0; // 0xRRGGBB
    bool bold = false;
    bool underline = false;
    bool operator==(const TextAttr&) const = default;
};

struct TextRun {
    std::string text; // UTF-8
    TextAttr attr;
    bool operator==(const TextRun&) const = default;
};

// A rich text view: lines of attributed runs.
class TextView : public Control {
public:
    // Appends one line made of `runs`.
    virtual void appendLine(const std::vector<TextRun>& runs) = 0;
    // All lines joined by "\n" (no trailing line end).
    virtual std::string text() const = 0;
    virtual void clear() = 0;
    // Removes `length` code points starting at code point `start` of text().
    virtual void deleteRange(int start, int length) = 0;
    // Puts the caret, with nothing selected, before code point
    // `codePointIndex` of text() (at its end when the text is shorter).
    virtual void setCaret(int codePointIndex) = 0;
    // Code point index into text() of the character at a pixel, or -1.
    virtual int charIndexAt(int xPixels, int yPixels) const = 0;
    virtual void setCustomPointer(bool custom) = 0;
    // Keeps at most `maxLines` lines (the oldest go first); 0: no bound.
    virtual void setLineLimit(int maxLines) = 0;
};

// A one-line text input.
class LineEdit : public Control {
public:
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setCaret(int codePointIndex) = 0;
    virtual void focus() = 0;
};

// A list of text rows, indexed from 0.
class ListBox : public Control {
public:
    virtual int count() const = 0;
    virtual std::string row(int index) const = 0;
    virtual void addRow(const std::string& text) = 0;
    virtual void setRow(int index, const std::string& text) = 0;
    virtual void removeRow(int index) = 0;
    virtual void clear() = 0;
    virtual void setToolTip(const std::string& text) = 0;
    // The selected row, or -1.
    virtual int selectedIndex() const = 0;
};

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

// A child window of the main window's multiple-document area.
class ChildWindow {
public:
    ChildWindow() = default;
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    virtual ~ChildWindow() = default;

    virtual void setTitle(const std::string& title) = 0;
    virtual std::string title() const = 0;
    // Shows the window without activating it: the active window and the
    // keyboard focus stay where they are.
    virtual void show() = 0;
    // Hides the window; it is never deleted and may be shown again. A hidden
    // window is not the active one.
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    // Brings the window to the front and makes it the active child.
    virtual void activate() = 0;
    virtual TwipSize clientSize() const = 0;
    virtual int outerWidth() const = 0;
};

} // namespace vz
