#include "app/frm_main.h"
#include "app/menu_commands.h"
#include "qt_options_view.h"
#include "qt_server_editor_view.h"
#include "qt_world.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

// The widgets the focus visits, one Tab at a time, from where it is when the
// dialog opens until it comes back there.
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

// The options dialog, the server editor, the favourite channels dialog and
// the certificate dialog on real widgets: Enter confirms, Escape cancels, Tab
// follows the layout.
class DialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<vz::test::QtWorld> world;

    QDialog& options() {
        return *dynamic_cast<vz::QtOptionsView&>(world->app->options().view()).dialog();
    }
    QDialog& editor() {
        return *dynamic_cast<vz::QtServerEditorView&>(world->app->options().addServer().view())
                    .dialog();
    }

private slots:
    void init() {
        world = std::make_unique<vz::test::QtWorld>();
        world->files.files["Server.txt"] = "irc.a\r\nirc.b<B>\r\n";
        vz::ToolbarOptions(*world->app);
        options().findChild<QComboBox*>("cmbServer")->setCurrentIndex(0);
    }
    void cleanup() { world.reset(); }

    void tabOrderFollowsTheLayout() {
        QCOMPARE(tabWalk(options()),
                 (QStringList{"cmbServer", "btnAdd", "btnEdit", "btnDelete", "txtIrcPort",
                              "txtFullName", "txtEmail", "txtNick", "txtAlternative", "txtPassword",
                              "txtSaslUser", "chkConnOnStart", "btnConnect", "btnOk", "btnCancel",
                              "btnApply", "cmdOption1", "cmdOption2", "cmdOption3"}));
        world->app->options().onEditServer();
        QCOMPARE(tabWalk(editor()), (QStringList{"txtServer", "txtPort", "txtDescription",
                                                 "txtGroup", "btnAdd", "btnCancel"}));
    }

    // Rows named "<dialog> <field> <key>" type "x" into a field of the options
    // dialog or of the editor (opened by Edit on irc.a), press the key, and
    // read the file the dialog writes when it confirms.
    void keysConfirmOrCancel_data() {
        QTest::addColumn<bool>("confirms");
        QTest::newRow("options txtNick Return") << true;
        QTest::newRow("options cmbServer Enter") << true;
        QTest::newRow("options txtNick Escape") << false;
        QTest::newRow("editor txtServer Return") << true;
        QTest::newRow("editor txtServer Escape") << false;
    }
    void keysConfirmOrCancel() {
        const QStringList tag = QString(QTest::currentDataTag()).split(' ');
        const bool inEditor = tag[0] == "editor";
        if (inEditor)
            world->app->options().onEditServer();
        QDialog& dialog = inEditor ? editor() : options();
        auto* line = dialog.findChild<QLineEdit*>(tag[1]);
        line = line != nullptr ? line : dialog.findChild<QComboBox*>(tag[1])->lineEdit();
        line->setText("x");
        QTest::keyClick(dialog.findChild<QWidget*>(tag[1]), QKeySequence(tag[2])[0].key());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(options().isVisible(), inEditor);
        const std::string file = world->files.files[inEditor ? "Server.txt" : "vuvivaz.ini"];
        const std::string stored = inEditor ? "x\r\nirc.b<B>" : "=x\r\n";
        QTEST(file.find(stored) != std::string::npos, "confirms");
        QCOMPARE(options().findChild<QComboBox*>("cmbServer")->count(), 2);
    }

    void favouritesEnterJoinsTheTypedChannelAndEscapeClosesStoringTheCheckBox() {
        vz::MenuFavourites(*world->app);
        QLineEdit& typed = *world->area.window()->findChild<QLineEdit*>("txtChannel");
        auto* dialog = qobject_cast<QDialog*>(typed.window());
        QVERIFY(dialog != nullptr && dialog->isVisible() && !dialog->isModal());
        QTest::keyClicks(&typed, "#qt");
        QTest::keyClick(&typed, Qt::Key_Return);
        QCOMPARE(vz::test::news(*world), QString("sent: JOIN #qt\nsent: \n"));
        QVERIFY(!dialog->isVisible());
        world->app->channels().Show(true);
        QVERIFY(dialog->isModal());
        dialog->findChild<QCheckBox*>("Check1")->setChecked(true);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(world->files.files["vuvivaz.ini"].find("OpenChannelsForm=1") != std::string::npos);
    }

    // Modal without a nested event loop; Enter and Escape reject, the Accept
    // button accepts and connects again.
    void certificateEnterAndEscapeRejectAcceptConnectsAgain() {
        for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
            world->server.events->onCertificateRejected("self-signed", std::string(64, 'c'));
            auto* accept = world->area.window()->findChild<QPushButton*>("btnAccept");
            QWidget* dialog = accept->window();
            QVERIFY(dialog->isVisible() && dialog->isModal());
            const int connects = world->server.connects;
            if (key != 0)
                QTest::keyClick(dialog, Qt::Key(key));
            else
                accept->click();
            QVERIFY(!dialog->isVisible());
            QCOMPARE(world->server.connects, connects + (key == 0 ? 1 : 0));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
