#pragma once

#include <QPoint>
#include <QRect>
#include <QTextCursor>
#include <QTextEdit>

namespace vz::test {

// The middle of the character at document position `position`, in viewport pixels.
inline QPoint middleOf(QTextEdit& edit, int position) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(position);
    const QRect left = edit.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect right = edit.cursorRect(cursor);
    return {(left.left() + right.left()) / 2, left.center().y()};
}

} // namespace vz::test
