// Starts the program: the Qt application, its platform and the main window's logic.
#include "app/frm_main.h"
#include "qt_platform.h"
#include "qt_signals.h"
#include "qt_ui_factory.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(vz::ProgramTitle));
    // The desktop finds the icon and the menu entry by this name.
    QApplication::setDesktopFileName("vuvivaz");
    vz::QtPlatform qt;
    vz::QtUiFactory ui(qt.mainWindow().mdiArea());
    ui.setUserMenu(qt.mainWindow().userMenu());
    vz::frmMain program(qt.platform(ui));
    qt.mainWindow().attach(program);
    const vz::QtSignals signalHandlers([&qt]() { qt.mainWindow().close(); });
    program.startUp();
    return QApplication::exec();
}
