// The desktop's editor and keyboard layouts, through Qt and X11.
#include "qt_desktop.h"

#include "xkb_layout_switch.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace vz {

// The absolute path as a file URL: a relative name such as "#kiev.txt" would
// be read as a URL fragment. The desktop starts the editor without a shell
// and without waiting for it.
bool QtDesktop::openInEditor(const std::string& path) {
    const QString absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

void QtDesktop::activateKeyboardLayout(KeyboardLayout layout) {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 != nullptr)
        activateXkbGroup(x11->display(), layout == KeyboardLayout::Latin);
}

} // namespace vz
