#include "qt_world.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

// The certificate dialog on real widgets: modal without a nested event loop;
// Enter and Escape reject, the Accept button accepts and connects again.
class CertificateDialogTest : public QObject {
    Q_OBJECT

private slots:
    void enterAndEscapeRejectAcceptConnectsAgain() {
        vz::test::QtWorld world;
        for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
            world.server.events->onCertificateRejected("self-signed", std::string(64, 'c'));
            auto* dialog = world.area.window()->findChild<QDialog*>();
            QVERIFY(dialog->isVisible() && dialog->isModal());
            const int connects = world.server.connects;
            if (key != 0)
                QTest::keyClick(dialog, Qt::Key(key));
            else
                dialog->findChild<QPushButton*>("btnAccept")->click();
            QVERIFY(!dialog->isVisible());
            QCOMPARE(world.server.connects, connects + (key == 0 ? 1 : 0));
        }
    }
};

QTEST_MAIN(CertificateDialogTest)
#include "certificate_dialog_test.moc"
