#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "qt_controls.h"
#include "qt_text_view.h"
#include "qt_ui_factory.h"
#include "text_edit_points.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>

#include <memory>

using namespace vz;
using vz::test::middleOf;

namespace {

// The program's logic with the real child windows in an MDI area; every
// other part of the platform is a fake.
struct QtWorld {
    QtWorld() {
        files.files["vuvivaz.ini"] = "[Options]\r\nNick=me\r\n[Last]\r\nServer=irc.test\r\n"
                                     "Port=6667\r\n[Lang]\r\nName=en.lng\r\n";
        files.files["en.lng"] = "[Chat]\r\nstrUsersCount=users\r\n";
        ui.setUserMenu(&userMenu);
        userMenu.addAction("Whois");
        area.resize(800, 600);
        area.show();
        app = std::make_unique<frmMain>(
            Platform{clock, pump, files, locale, ui, mainWindow, dialogs, server, identSocket});
        app->startUp();
        app->connection().ConnectTo();
        server.events->onConnected();
        server.clearSent();
    }
    ~QtWorld() { userMenu.hide(); }

    void serverSays(const std::string& line) { server.events->onDataArrived(line + "\r\n"); }
    std::vector<std::string> takeSent() {
        auto lines = server.sentLines();
        server.clearSent();
        return lines;
    }
    frmChat& chat(const std::string& name) {
        return app->tables().channel(app->tables().FindChannel(name));
    }

    fake::FakeClock clock;
    fake::FakePump pump{clock};
    fake::FakeFiles files;
    fake::FakeLocale locale;
    fake::FakeMainWindow mainWindow;
    fake::FakeDialogs dialogs;
    fake::FakeClientSocket server;
    fake::FakeIdentSocket identSocket;
    QMdiArea area;
    QMenu userMenu;
    QtUiFactory ui{area};
    std::unique_ptr<frmMain> app;
};

QTextEdit& widgetOf(TextView& view) {
    return *dynamic_cast<QtTextView&>(view).widget();
}
QLineEdit& widgetOf(LineEdit& input) {
    return *dynamic_cast<QtLineEdit&>(input).widget();
}
QListWidget& widgetOf(ListBox& list) {
    return *dynamic_cast<QtListBox&>(list).widget();
}

QMdiSubWindow* subWindowOf(ChildWindow& window) {
    return dynamic_cast<QtChildWindow&>(window).subWindow();
}

QPoint rowCentre(QListWidget& list, int row) {
    return list.visualItemRect(list.item(row)).center();
}

} // namespace

class ChatWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        world = std::make_unique<QtWorld>();
        QVERIFY(QTest::qWaitForWindowActive(&world->area));
        world->serverSays(":me!u@h JOIN :#test");
        world->takeSent();
        chat = &world->chat("#test");
    }
    void cleanup() { world.reset(); }

    void topicPlaceholderGoesOnFocusAndEnterSendsTheTopic() {
        QTextEdit& topic = widgetOf(chat->rtbTopic());
        QCOMPARE(chat->rtbTopic().text(), std::string("TOPIC:"));
        QCOMPARE(topic.font().pointSizeF(), 8.5);
        topic.setFocus();
        QCOMPARE(chat->rtbTopic().text(), std::string());
        QTest::keyClicks(&topic, "new topic");
        QTest::keyClick(&topic, Qt::Key_Return);
        QCOMPARE(world->takeSent(), std::vector<std::string>{"TOPIC #test :new topic"});
        QCOMPARE(chat->rtbTopic().text(), std::string("new topic"));
    }

    void lockedTopicSwallowsEveryKey() {
        world->serverSays(":irc.test 332 me #test :Hello world");
        QVERIFY(chat->topicLocked);
        const std::string shown = chat->rtbTopic().text();
        QTextEdit& topic = widgetOf(chat->rtbTopic());
        QCOMPARE(topic.textCursor().position(), 0);
        topic.setFocus();
        QTest::keyClicks(&topic, "xyz");
        QTest::keyClick(&topic, Qt::Key_Backspace);
        QTest::keyClick(&topic, Qt::Key_Return);
        QCOMPARE(chat->rtbTopic().text(), shown);
        QVERIFY(world->takeSent().empty());
    }

    void enterAndCtrlEnterInTheInputLineSendTheLine() {
        QLineEdit& input = widgetOf(chat->txtIn());
        QTest::keyClicks(&input, "hello");
        QTest::keyClick(&input, Qt::Key_Return);
        QTest::keyClicks(&input, "again");
        QTest::keyClick(&input, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(world->takeSent(),
                 (std::vector<std::string>{"PRIVMSG #test :hello", "PRIVMSG #test :again"}));
        QCOMPARE(input.text(), QString());
        QVERIFY(chat->rtfText().text().find("again") != std::string::npos);
    }

    void statusInputTakesEnterButNotCtrlEnter() {
        QLineEdit& input = widgetOf(world->app->status().txtIn());
        QTest::keyClicks(&input, "/raw FOO bar");
        QTest::keyClick(&input, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(world->takeSent().empty());
        QTest::keyClick(&input, Qt::Key_Return);
        QCOMPARE(world->takeSent(), std::vector<std::string>{"FOO bar"});
    }

    void userMenuOnlyAfterALeftClickSelection() {
        chat->AddNick("@bob");
        chat->AddNick("alice");
        QListWidget& users = widgetOf(chat->lstUsers());
        QTest::mouseClick(users.viewport(), Qt::RightButton, {}, rowCentre(users, 0));
        QVERIFY(!world->userMenu.isVisible());

        QTest::mouseClick(users.viewport(), Qt::LeftButton, {}, rowCentre(users, 0));
        QCOMPARE(world->app->globals().SelectedNick, std::string("@bob"));
        QTest::mouseClick(users.viewport(), Qt::RightButton, {}, rowCentre(users, 1));
        QVERIFY(world->userMenu.isVisible());
        QCOMPARE(world->app->globals().SelectedNick, std::string("@bob"));
        QCOMPARE(users.currentRow(), 0);
    }

    void clickOnANickInTheTextAddressesIt() {
        chat->AddNick("@bob");
        chat->PutText("bob", "hello there");
        QCoreApplication::processEvents();
        QTextEdit& text = widgetOf(chat->rtfText());
        const QPoint nick = middleOf(text, 2);
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, nick);
        QCOMPARE(text.viewport()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(chat->txtIn().text(), std::string(" bob, "));

        const QPoint word = middleOf(text, static_cast<int>(std::string(" bob: \thel").size()));
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, word);
        QVERIFY(text.viewport()->cursor().shape() != Qt::PointingHandCursor);
        QCOMPARE(chat->txtIn().text(), std::string(" bob,  hello, "));
    }

    void closingHidesTheWindowAndSendsPart() {
        QMdiSubWindow* sub = subWindowOf(chat->window());
        QVERIFY(sub->isVisible());
        sub->close();
        QCOMPARE(world->takeSent(), std::vector<std::string>{"PART #test"});
        QVERIFY(sub->isHidden());
        QVERIFY(world->area.subWindowList().contains(sub));

        world->serverSays(":me!u@h JOIN :#other");
        QCOMPARE(&world->chat("#other"), chat);
        QVERIFY(sub->isVisible());
        QCOMPARE(chat->rtbTopic().text(), std::string("TOPIC:"));
    }

    void titleFrameHidesControlCharactersButTheLogicKeepsThem() {
        const std::string missingWord(1, '\0');
        chat->window().setTitle("#test - 3 " + missingWord);
        QMdiSubWindow* sub = subWindowOf(chat->window());
        QCOMPARE(sub->windowTitle(), QStringLiteral("#test - 3 "));
        QCOMPARE(chat->window().title(), "#test - 3 " + missingWord);
    }

    void activationReachesTheLogicAndFocusesTheInput() {
        world->area.setActiveSubWindow(subWindowOf(world->app->status().window()));
        QVERIFY(!world->mainWindow.isMenuEnabled("mnuTopic"));
        chat->window().activate();
        QVERIFY(world->mainWindow.isMenuEnabled("mnuTopic"));
        QCOMPARE(world->app->globals().CurrentChannel, std::string("#test"));
        QCOMPARE(QApplication::focusWidget(), &widgetOf(chat->txtIn()));
    }

    void resizingLaysTheControlsOutAgain() {
        QMdiSubWindow* sub = subWindowOf(chat->window());
        sub->resize(500, 300);
        const TwipSize client = chat->window().clientSize();
        QTextEdit& text = widgetOf(chat->rtfText());
        QListWidget& users = widgetOf(chat->lstUsers());
        QCOMPARE(users.geometry().right() + 1, sub->widget()->width());
        QCOMPARE(text.width(), sub->widget()->width() - users.width());
        QVERIFY(client.width > 0);
    }

    void incomingPrivateMessageLeavesTheFocusWhereItIs() {
        chat->window().activate();
        QLineEdit& typing = widgetOf(chat->txtIn());
        QCOMPARE(QApplication::focusWidget(), &typing);
        world->serverSays(":bob!b@h PRIVMSG me :hi");
        frmPrivat& privat = world->app->tables().privat(world->app->tables().FindPrivat("bob"));
        QVERIFY(privat.window().isVisible());
        QCOMPARE(world->area.activeSubWindow(), subWindowOf(chat->window()));
        QCOMPARE(QApplication::focusWidget(), &typing);
    }

    void privateInputSendsOnEnterAndCtrlEnter() {
        world->serverSays(":bob!b@h PRIVMSG me :hi");
        frmPrivat& privat = world->app->tables().privat(world->app->tables().FindPrivat("bob"));
        QLineEdit& input = widgetOf(privat.txtIn());
        QTest::keyClicks(&input, "one");
        QTest::keyClick(&input, Qt::Key_Enter);
        QTest::keyClicks(&input, "two");
        QTest::keyClick(&input, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(world->takeSent(),
                 (std::vector<std::string>{"PRIVMSG bob :one", "PRIVMSG bob :two"}));
        QVERIFY(privat.rtfText().text().find("two") != std::string::npos);
    }

    void listWindowJoinsOnDoubleClickAndHidesOnClose() {
        const auto listing = [this] {
            world->serverSays(":irc.test 321 me Channel :Users Name");
            world->serverSays(":irc.test 322 me #other 3 :chat here");
            world->serverSays(":irc.test 323 me :End of LIST");
        };
        listing();
        QListWidget& list = widgetOf(world->app->list().lstList());
        QCOMPARE(list.count(), 1);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        const std::vector<std::string> sent = world->takeSent();
        QVERIFY(!sent.empty());
        QCOMPARE(sent.front(), std::string("JOIN #other"));

        QMdiSubWindow* sub = subWindowOf(world->app->list().window());
        sub->close();
        QVERIFY(sub->isHidden());
        QVERIFY(world->area.subWindowList().contains(sub));
        QCOMPARE(list.count(), 0);
        listing();
        QVERIFY(sub->isVisible());
    }

    void aClosedOrHiddenWindowIsNoLongerActive() {
        world->serverSays(":bob!b@h PRIVMSG me :hi");
        frmPrivat& privat = world->app->tables().privat(world->app->tables().FindPrivat("bob"));
        privat.window().activate();
        QCOMPARE(world->app->activeTextView(), &privat.rtfText());
        subWindowOf(privat.window())->close();
        QCOMPARE(world->area.activeSubWindow(), nullptr);
        QCOMPARE(world->app->activeTextView(), nullptr);

        world->serverSays(":ann!a@h PRIVMSG me :hello");
        QVERIFY(privat.window().isVisible());
        QCOMPARE(privat.strPrivNick, std::string("ann"));
        QCOMPARE(world->area.activeSubWindow(), nullptr);
        QCOMPARE(world->app->activeTextView(), nullptr);

        chat->window().activate();
        world->area.setActiveSubWindow(nullptr);
        QCOMPARE(world->app->activeTextView(), nullptr);
    }

private:
    std::unique_ptr<QtWorld> world;
    frmChat* chat = nullptr;
};

QTEST_MAIN(ChatWindowTest)
#include "chat_window_test.moc"
