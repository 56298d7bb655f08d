#include "app/frm_main.h"
#include "app/menu_commands.h"
#include "qt_options_view.h"
#include "qt_server_editor_view.h"
#include "qt_world.h"

#include <QComboBox>
#include <QtTest>

#include <memory>

namespace {

// The widgets the focus visits from where it is when the dialog opens, one Tab
// at a time, until it comes back.
QStringList tabWalk(QDialog& dialog) {
    QApplication::setActiveWindow(&dialog);
    QWidget* first = QApplication::focusWidget();
    QStringList names{first->objectName()};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

} // namespace

// The options dialog and the server editor on real widgets: Enter confirms,
// Escape cancels, Tab follows the layout.
class OptionsDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<vz::test::QtWorld> world;

    QDialog& options() {
        return *dynamic_cast<vz::QtOptionsView&>(world->app->options().view()).dialog();
    }
    QDialog& editor() {
        return *dynamic_cast<vz::QtServerEditorView&>(world->app->options().addServer().view())
                    .dialog();
    }
    std::string settings() { return world->files.files["vuvivaz.ini"]; }

private slots:
    void init() {
        world = std::make_unique<vz::test::QtWorld>();
        world->files.files["Server.txt"] = "irc.a\r\nirc.b<B>\r\n";
        vz::ToolbarOptions(*world->app);
    }
    void cleanup() { world.reset(); }

    void tabOrderFollowsTheLayout() {
        QCOMPARE(tabWalk(options()),
                 (QStringList{"cmbServer", "btnAdd", "btnEdit", "btnDelete", "txtIrcPort",
                              "txtFullName", "txtEmail", "txtNick", "txtAlternative", "txtPassword",
                              "chkConnOnStart", "btnConnect", "btnOk", "btnCancel", "btnApply",
                              "cmdOption1", "cmdOption2", "cmdOption3"}));
        world->app->options().onEditServer();
        QCOMPARE(tabWalk(editor()), (QStringList{"txtServer", "txtPort", "txtDescription",
                                                 "txtGroup", "btnAdd", "btnCancel"}));
    }

    void keysConfirmOrCancel_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Enter in a text box") << "txtNick" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter in the server box") << "cmbServer" << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape") << "txtNick" << int(Qt::Key_Escape) << false;
    }
    void keysConfirmOrCancel() {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(bool, saved);
        world->app->options().view().txtNick().setText("typed");
        QWidget* widget = options().findChild<QWidget*>(field);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key(key));
        QVERIFY(!options().isVisible());
        QCOMPARE(settings().find("Nick=typed") != std::string::npos, saved);
        QCOMPARE(options().findChild<QComboBox*>("cmbServer")->count(), 2);
    }

    void editorConfirmsWithEnterAndCancelsWithEscape() {
        options().findChild<QComboBox*>("cmbServer")->setCurrentIndex(0);
        world->app->options().onEditServer();
        auto* host = editor().findChild<QLineEdit*>("txtServer");
        QCOMPARE(host->text(), QString("irc.a"));
        QTest::keyClick(host, Qt::Key_Escape);
        QVERIFY(!editor().isVisible());
        world->app->options().onEditServer();
        host->setText("irc.c");
        QTest::keyClick(host, Qt::Key_Return);
        QVERIFY(!editor().isVisible() && options().isVisible());
        QCOMPARE(world->files.files["Server.txt"], std::string("irc.c\r\nirc.b<B>\r\n"));
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
