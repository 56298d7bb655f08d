#include "app/menu_commands.h"
#include "qt_favourites_view.h"
#include "qt_world.h"

#include <QtTest>

using namespace vz;
using namespace vz::test;

// The favourite channels dialog's keys on the real widgets.
class FavouritesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void enterJoinsTheTypedChannelAndEscapeClosesStoringTheCheckBox() {
        QtWorld world;
        MenuFavourites(*world.app);
        QDialog* dialog = world.area.window()->findChild<QDialog*>();
        QVERIFY(dialog != nullptr && dialog->isVisible() && !dialog->isModal());
        QLineEdit& typed = *dialog->findChild<QLineEdit*>("txtChannel");
        QTest::keyClicks(&typed, "#qt");
        QTest::keyClick(&typed, Qt::Key_Return);
        QCOMPARE(news(world), QString("sent: JOIN #qt\nsent: \n"));
        QVERIFY(!dialog->isVisible());
        world.app->channels().Show(true);
        QVERIFY(dialog->isModal());
        dialog->findChild<QCheckBox*>("Check1")->setChecked(true);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(world.files.files["vuvivaz.ini"].find("OpenChannelsForm=1") != std::string::npos);
    }
};

QTEST_MAIN(FavouritesDialogTest)
#include "favourites_dialog_test.moc"
