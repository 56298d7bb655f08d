// Placing controls, reading the input line and the word under the pointer.
#pragma once

#include "platform/controls.h"

#include <string>

namespace vz {

// Small operations on the controls of the child windows.

// Places `control` unless the rectangle has a negative size; tells whether
// it did.
bool PlaceIfValid(Control& control, const TwipRect& rect);

// The word under the pointer at (xPixels, yPixels) in `view`.
std::string WordAtPointer(const TextView& view, int xPixels, int yPixels);

// The input line's text as one line: a pasted line break becomes a blank.
std::string TypedText(const LineEdit& input);

// The field of a combo box as one line.
std::string TypedText(const ComboBox& combo);

// Shows `text` in the field of `combo`, picking the first row that reads the
// same (none when no row does).
void ShowComboText(ComboBox& combo, const std::string& text);

// The row that the field of `combo` shows: the row picked last while the
// field still reads as that row; -1 otherwise (nothing picked, or typed over).
int SelectedComboRow(const ComboBox& combo);

// Addresses `word` in the input line: appends a blank, the word and ", ",
// puts the caret at the end and gives the line the focus.
void AddressWord(LineEdit& input, const std::string& word);

} // namespace vz
