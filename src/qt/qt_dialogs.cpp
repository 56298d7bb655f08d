// Qt dialogs: favourite channels and about.
#include "qt_dialogs.h"

#include "config/globals.h"
#include "config/version.h"

#include <QMessageBox>

namespace vz {

void QtDialogs::showFavouriteChannels(bool) {}

void QtDialogs::showAbout() {
    const std::string text = std::string(ProgramTitle) + " v" + VersionText() + "\n\n" + CreditLine;
    auto* box = new QMessageBox(QMessageBox::Information, ProgramTitle,
                                QString::fromStdString(text), QMessageBox::Ok, &parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

} // namespace vz
