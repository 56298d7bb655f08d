// Qt key events translated into character codes.
#include "qt_key_codes.h"

#include <QKeyEvent>

namespace vz {

namespace {

// Ctrl with a key whose letter is not Latin (a Cyrillic layout with no Latin
// one beside it): the Latin letter of the conversion keys on that key.
int latinOfCyrillicKey(int key) {
    switch (QChar::toUpper(static_cast<char32_t>(key))) {
    case U'К':
        return Qt::Key_R;
    case U'Д':
        return Qt::Key_L;
    case U'І':
    case U'Ы':
        return Qt::Key_S;
    default:
        return 0;
    }
}

} // namespace

int characterCode(const QKeyEvent& key) {
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? CtrlEnterCode : EnterCode;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete:
        return 127;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    if (ctrl && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return key.key() - Qt::Key_A + 1;
    if (const int latin = ctrl ? latinOfCyrillicKey(key.key()) : 0)
        return latin - Qt::Key_A + 1;
    const QList<uint> typed = key.text().toUcs4();
    return typed.isEmpty() ? 0 : static_cast<int>(typed.first());
}

} // namespace vz
