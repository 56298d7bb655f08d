// Placing controls, reading the input line and the word under the pointer.
#include "windows/control_helpers.h"

#include "text/typed_line.h"
#include "text/utf8.h"
#include "windows/word_under_pointer.h"

namespace vz {

bool PlaceIfValid(Control& control, const TwipRect& rect) {
    if (rect.width < 0 || rect.height < 0)
        return false;
    control.place(rect);
    return true;
}

std::string WordAtPointer(const TextView& view, int xPixels, int yPixels) {
    return WordAt(view.text(), view.charIndexAt(xPixels, yPixels));
}

std::string TypedText(const LineEdit& input) {
    return BlanksForLineBreaks(input.text());
}

std::string TypedText(const ComboBox& combo) {
    return BlanksForLineBreaks(combo.text());
}

void ShowComboText(ComboBox& combo, const std::string& text) {
    int match = -1;
    for (int row = 0; row < combo.count() && match == -1; ++row)
        if (combo.row(row) == text)
            match = row;
    combo.setCurrentRow(match);
    combo.setText(text);
}

int SelectedComboRow(const ComboBox& combo) {
    const int row = combo.currentRow();
    return row >= 0 && row < combo.count() && combo.row(row) == combo.text() ? row : -1;
}

void AddressWord(LineEdit& input, const std::string& word) {
    const std::string line = TypedText(input) + " " + word + ", ";
    input.setText(line);
    input.setCaret(static_cast<int>(utf8::length(line)));
    input.focus();
}

} // namespace vz
