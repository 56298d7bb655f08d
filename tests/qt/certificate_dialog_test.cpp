#include "qt_world.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

using namespace vz;
using namespace vz::test;

// The certificate dialog on the real widgets: modal without a nested event
// loop; Enter and Escape reject, the Accept button accepts.
class CertificateDialogTest : public QObject {
    Q_OBJECT

private slots:
    void enterAndEscapeRejectAcceptConnectsAgain() {
        QtWorld world;
        const std::string fingerprint(64, 'c');
        for (const char* answer : {"Enter", "Escape", "Accept"}) {
            world.server.events->onCertificateRejected("self-signed", fingerprint);
            auto* dialog = world.area.window()->findChild<QDialog*>();
            QVERIFY(dialog != nullptr && dialog->isVisible() && dialog->isModal());
            const int connects = world.server.connects;
            if (answer == std::string("Accept"))
                dialog->findChild<QPushButton*>("btnAccept")->click();
            else
                QTest::keyClick(dialog, answer == std::string("Enter") ? Qt::Key_Return
                                                                       : Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(world.server.connects, connects + (answer == std::string("Accept")));
        }
    }
};

QTEST_MAIN(CertificateDialogTest)
#include "certificate_dialog_test.moc"
