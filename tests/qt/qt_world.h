// The Qt tier's world: the fake world with real parts put in, and helpers to
// reach the widgets behind the logic's controls.
#pragma once

#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "qt_controls.h"
#include "qt_text_view.h"
#include "qt_ui_factory.h"

#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextCursor>

namespace vz::test {

// A new temporary folder is the working directory while this lives.
struct InTemporaryDir {
    InTemporaryDir() {
        if (!dir.isValid() || !QDir::setCurrent(dir.path()))
            qFatal("no temporary working directory");
    }
    ~InTemporaryDir() { QDir::setCurrent(startDir); }

    QString startDir = QDir::currentPath();
    QTemporaryDir dir;
};

// Real child windows in an MDI area, and the nick list's pop-up menu.
struct QtViews {
    QtViews() {
        area.resize(800, 600);
        area.show();
        userMenu.addAction("Whois");
        qtUi.setUserMenu(&userMenu);
    }
    ~QtViews() { userMenu.hide(); }

    QMdiArea area;
    QMenu userMenu;
    QtUiFactory qtUi{area};
};

// The logic with the real child windows, signed on as "me" to the fake
// server; every other part is fake.
struct QtWorld : QtViews, fake::FakeWorld {
    QtWorld() : FakeWorld({.ui = &qtUi}) { startSignedOn(); }
};

// What was sent and shown in fake windows since the last call, for QCOMPARE.
inline QString news(fake::FakeWorld& world) {
    return QString::fromStdString(world.news());
}

inline QTextEdit& widgetOf(TextView& view) {
    return *dynamic_cast<QtTextView&>(view).widget();
}
inline QLineEdit& widgetOf(LineEdit& input) {
    return *dynamic_cast<QtLineEdit&>(input).widget();
}
inline QListWidget& widgetOf(ListBox& list) {
    return *dynamic_cast<QtListBox&>(list).widget();
}
inline QMdiSubWindow* subWindowOf(ChildWindow& window) {
    return dynamic_cast<QtChildWindow&>(window).subWindow();
}

// The middle of the character at document position `position`, in viewport pixels.
inline QPoint middleOf(QTextEdit& edit, int position) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(position);
    const QRect left = edit.cursorRect(cursor);
    cursor.setPosition(position + 1);
    return {(left.left() + edit.cursorRect(cursor).left()) / 2, left.center().y()};
}

inline QPoint rowCentre(QListWidget& list, int row) {
    return list.visualItemRect(list.item(row)).center();
}

} // namespace vz::test
