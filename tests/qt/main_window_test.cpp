#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "qt_platform.h"
#include "qt_signals.h"
#include "qt_ui_factory.h"
#include "twips.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// The real main window around the program's logic, with in-memory child
// windows, in a temporary working directory.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString startDir;
    std::unique_ptr<vz::QtPlatform> qt;
    vz::fake::FakeUi ui;
    std::unique_ptr<vz::frmMain> program;

    vz::QtMainWindow& window() { return qt->mainWindow(); }

    QAction* action(const char* name) {
        return window().findChild<QAction*>(QString::fromUtf8(name));
    }

    QMdiSubWindow* addChild() {
        QMdiSubWindow* child = window().mdiArea().addSubWindow(new QLabel("child"));
        child->show();
        return child;
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        qt = std::make_unique<vz::QtPlatform>();
        program = std::make_unique<vz::frmMain>(qt->platform(ui));
        window().attach(*program);
    }

    void cleanup() {
        program.reset();
        qt.reset();
        QDir::setCurrent(startDir);
        dir.reset();
    }

    void startsWithTheBuiltInMenus() {
        QCOMPARE(window().caption(), std::string("VuviVAZ"));
        QCOMPARE(action("mnuConnect")->text(), QString("Підключитися"));
        QCOMPARE(action("mnuWindowTileHorizontal")->text(), QString("Горизонтально"));
        for (const char* name :
             {"mnuList", "mnuPrivat", "mnuJoin", "mnuWhois", "mnuTopic", "mnuNick", "mnuPart"})
            QVERIFY2(!window().isMenuEnabled(name), name);
        for (const char* name : {"mnuConnect", "mnuServer", "mnuExit", "mnuWindowCascade"})
            QVERIFY2(window().isMenuEnabled(name), name);
        window().setMenuEnabled("mnuJoin", true);
        window().setMenuCaption("mnuFile", "&Файл");
        QVERIFY(window().isMenuEnabled("mnuJoin"));
        QCOMPARE(window().menuBar()->actions().first()->text(), QString("&Файл"));
    }

    void userMenuIsAPopUpOnly() {
        QMenu* menu = window().userMenu();
        QVERIFY(menu != nullptr);
        QVERIFY(!window().menuBar()->actions().contains(menu->menuAction()));
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions()[0]->objectName(), QString("mnuWho"));
        QCOMPARE(menu->actions()[1]->text(), QString("Msg"));
    }

    void toolbarAndClockPanel() {
        for (int button = 1; button <= 6; ++button) {
            const QAction* tool = window().findChild<QAction*>(QString("Button%1").arg(button));
            QVERIFY(tool != nullptr);
            QVERIFY(!tool->icon().pixmap(16).isNull());
        }
        window().setIcon(4);
        QVERIFY(!window().windowIcon().pixmap(16).isNull());
        window().setToolButtonToolTip(1, "Відключитися");
        QCOMPARE(action("Button1")->toolTip(), QString("Відключитися"));
        auto* clock = window().findChild<QLabel*>("clockPanel");
        QVERIFY(clock != nullptr);
        QCOMPARE(clock->toolTip(), QString("Current time"));
        QVERIFY(!clock->text().isEmpty());
    }

    void geometryRoundTripsInTwips() {
        const auto same = [](int twips) { return vz::pixelsToTwips(vz::twipsToPixels(twips)); };
        window().setLeft(1500);
        window().setTop(900);
        window().setWidth(9600);
        window().setHeight(7200);
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        const vz::TwipRect rect = window().geometry();
        QCOMPARE(rect.left, same(1500));
        QCOMPARE(rect.top, same(900));
        QCOMPARE(rect.width, same(9600));
        QCOMPARE(rect.height, same(7200));
        QCOMPARE(window().QWidget::geometry().width(), vz::twipsToPixels(9600));
    }

    void arrangeButtonCyclesTheTilings() {
        window().show();
        QMdiSubWindow* first = addChild();
        QMdiSubWindow* second = addChild();
        program->startUp();
        action("Button4")->trigger();
        QCOMPARE(program->globals().ArrangeMode, vz::Arrangement::TileVertical);
        QCOMPARE(first->width(), second->width());
        QVERIFY(first->y() != second->y());
        action("Button4")->trigger();
        QCOMPARE(program->globals().ArrangeMode, vz::Arrangement::Cascade);
        QCOMPARE(first->height(), second->height());
        QVERIFY(first->x() != second->x());
        action("Button4")->trigger();
        QCOMPARE(program->globals().ArrangeMode, vz::Arrangement::TileHorizontal);
        const QSize area = window().mdiArea().viewport()->size();
        for (QMdiSubWindow* child : {first, second})
            QVERIFY(child->width() > area.width() / 2 && child->height() > area.height() / 2);
        QVERIFY(first->pos() != second->pos());
    }

    void menuEntriesRunTheirCommands() {
        program->startUp();
        action("mnuWindowTileVertical")->trigger();
        QCOMPARE(program->globals().ArrangeMode, vz::Arrangement::Cascade);
        action("mnuWindowCascade")->trigger();
        QCOMPARE(program->globals().ArrangeMode, vz::Arrangement::TileHorizontal);
        QCOMPARE(action("Button4")->toolTip(), QString("Горизонтально"));
        program->globals().SelectedNick = "@bob[away]";
        action("mnuWho")->trigger();
        QCOMPARE(program->globals().SelectedNick, std::string("bob"));
    }

    void closingRunsTheShutdownOnce() {
        program->startUp();
        window().show();
        window().close();
        QVERIFY(!window().isVisible());
        const QString ini = readText("vuvivaz.ini");
        QVERIFY2(ini.contains("[Last]") && ini.contains("[Position]"), qPrintable(ini));
        QFile::remove("vuvivaz.ini");
        window().close();
        QVERIFY(!QFile::exists("vuvivaz.ini"));
    }

    void realProgramShowsTheBannerAndSavesOnClose() {
        vz::QtPlatform real;
        vz::QtUiFactory realUi(real.mainWindow().mdiArea());
        realUi.setUserMenu(real.mainWindow().userMenu());
        vz::frmMain realProgram(real.platform(realUi));
        real.mainWindow().attach(realProgram);
        realProgram.startUp();
        real.mainWindow().show();
        const QList<QMdiSubWindow*> children = real.mainWindow().mdiArea().subWindowList();
        QCOMPARE(children.size(), 1);
        QVERIFY(children.first()->isVisible());
        const std::string text = realProgram.status().rtfText().text();
        QVERIFY2(text.rfind(" VuviVAZ v1.15\n", 0) == 0, text.c_str());
        real.mainWindow().close();
        const QString ini = readText("vuvivaz.ini");
        QVERIFY2(ini.contains("[Last]") && ini.contains("[Position]"), qPrintable(ini));
    }

    void terminationSignalClosesTheWindowNormally() {
        program->startUp();
        window().show();
        const vz::QtSignals signalHandlers([this]() { window().close(); });
        std::raise(SIGTERM);
        QTRY_VERIFY(!window().isVisible());
        const QString ini = readText("vuvivaz.ini");
        QVERIFY2(ini.contains("[Last]") && ini.contains("[Position]"), qPrintable(ini));
    }
};

QTEST_MAIN(MainWindowTest)

#include "main_window_test.moc"
