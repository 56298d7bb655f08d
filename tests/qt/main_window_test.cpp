#include "app/menu_commands.h"
#include "qt_platform.h"
#include "qt_signals.h"
#include "qt_world.h"
#include "twips.h"
#include "windows/frm_chat.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

// The logic on the whole Qt platform: the main window, its child windows,
// files in a temporary working directory.
struct MainWindowWorld : vz::test::InTemporaryDir {
    MainWindowWorld() {
        ui.setUserMenu(qt.mainWindow().userMenu());
        qt.mainWindow().attach(*world.app);
    }

    vz::QtPlatform qt;
    vz::QtUiFactory ui{qt.mainWindow().mdiArea()};
    vz::fake::FakeWorld world{vz::fake::RealParts::all(qt.platform(ui))};
};

} // namespace

// The main window's menus, toolbar, geometry and shutdown wired to the logic.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowWorld> w;

    vz::QtMainWindow& window() { return w->qt.mainWindow(); }
    vz::Globals& globals() { return w->world.app->globals(); }
    QAction* action(const char* name) { return window().findChild<QAction*>(name); }

private slots:
    void init() { w = std::make_unique<MainWindowWorld>(); }
    void cleanup() { w.reset(); }

    void menusToolbarAndClockAreBuilt() {
        QVERIFY(!window().isMenuEnabled("mnuTopic") && window().isMenuEnabled("mnuConnect"));
        QVERIFY(!window().menuBar()->actions().contains(window().userMenu()->menuAction()));
        QVERIFY(!action("Button6")->icon().pixmap(16).isNull());
        window().setIcon(4);
        QVERIFY(!window().windowIcon().pixmap(16).isNull());
        QVERIFY(!window().findChild<QLabel*>("clockPanel")->text().isEmpty());
    }

    void arrangeButtonAndMenuArrangeTheWindows() {
        window().show();
        w->world.start();
        globals().SelectedNick = "@bob[away]";
        action("mnuWho")->trigger();
        QCOMPARE(globals().SelectedNick, std::string("bob"));
        QMdiSubWindow* first = window().mdiArea().subWindowList().first();
        QMdiSubWindow* second = window().mdiArea().addSubWindow(new QLabel("child"));
        second->show();
        action("Button4")->trigger();
        QVERIFY(first->width() == second->width() && first->y() != second->y());
        action("Button4")->trigger();
        QVERIFY(first->height() == second->height() && first->x() != second->x());
        action("Button4")->trigger();
        const QSize area = window().mdiArea().viewport()->size();
        for (QMdiSubWindow* child : {first, second})
            QVERIFY(child->width() > area.width() / 2 && child->height() > area.height() / 2);
        QVERIFY(first->pos() != second->pos());
        action("mnuWindowTileVertical")->trigger();
        QCOMPARE(globals().ArrangeMode, vz::Arrangement::Cascade);
    }

    void geometryRoundTripsInTwips() {
        const auto same = [](int twips) { return vz::pixelsToTwips(vz::twipsToPixels(twips)); };
        window().setLeft(1500);
        window().setTop(900);
        window().setWidth(9600);
        window().setHeight(7200);
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QCOMPARE(window().geometry(),
                 (vz::TwipRect{same(1500), same(900), same(9600), same(7200)}));
        QCOMPARE(window().QWidget::geometry().width(), vz::twipsToPixels(9600));
    }

    // Closing the window, or a termination signal, runs the shutdown once.
    void closingRunsTheShutdownOnce_data() {
        QTest::addColumn<bool>("bySignal");
        QTest::newRow("close") << false;
        QTest::newRow("SIGTERM") << true;
    }
    void closingRunsTheShutdownOnce() {
        QFETCH(bool, bySignal);
        w->world.start();
        window().show();
        const vz::QtSignals signalHandlers([this]() { window().close(); });
        bySignal ? (void)std::raise(SIGTERM) : (void)window().close();
        QTRY_VERIFY(!window().isVisible());
        QVERIFY(QFile::remove("vuvivaz.ini"));
        window().close();
        QVERIFY(!QFile::exists("vuvivaz.ini"));
    }

    void languageFileChangesCaptionsAtOnceButNotOpenTitleWords() {
        for (const char* name : {"Ukrainian.lng", "English.lng"})
            QVERIFY(QFile::copy(QString(VUVIVAZ_DATA_DIR) + "/" + name, name));
        w->world.start();
        vz::MenuJoin(*w->world.app);
        auto* prompt = window().findChild<QDialog*>();
        QVERIFY(prompt != nullptr && prompt->isVisible());
        vz::ToolbarOptions(*w->world.app);
        auto* pageButton = window().findChild<QAbstractButton*>("cmdOption1");
        auto& tables = w->world.app->tables();
        vz::frmChat& chat = tables.channel(tables.OpenChannel("#x"));
        chat.AddNick("me");
        const auto captions = [&] {
            QStringList texts{
                action("mnuFile")->text(), action("Button6")->toolTip(),
                vz::test::subWindowOf(w->world.app->status().window())->windowTitle()};
            for (auto* child : prompt->findChildren<QAbstractButton*>())
                texts << child->text();
            texts << pageButton->text();
            return texts << vz::test::subWindowOf(chat.window())->windowTitle();
        };
        QTRY_COMPARE(captions(), (QStringList{"&Файл", "Вихід", "Статус", "Гаразд", "Скасувати",
                                              "З'єднання", "#x - 1 учасників"}));
        globals().LangName = "English.lng";
        w->world.app->GetLang();
        chat.AddNick("you");
        QTRY_COMPARE(captions(), (QStringList{"&File", "Exit", "Status", "OK", "Cancel",
                                              "Connection", "#x - 2 учасників"}));
    }

    // Exit asks first; the about box is not modal and Escape closes it.
    void exitAsksFirstAndAboutBoxIsNotModal() {
        w->world.start();
        window().show();
        QString asked;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            asked = box->windowTitle() + " " + box->text();
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(QMessageBox::No)->click();
        });
        action("Button6")->trigger();
        QCOMPARE(asked, QString("УВАГА! Дійсно бажаете вийти?"));
        QVERIFY(window().isVisible());
        action("mnuAbout")->trigger();
        auto* box = window().findChild<QDialog*>();
        QVERIFY(box != nullptr && box->isVisible() && !box->isModal());
        QVERIFY(box->findChildren<QLabel*>().size() >= 3);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!box->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
