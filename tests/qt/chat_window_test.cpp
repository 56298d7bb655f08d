#include "config/translit.h"
#include "qt_world.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <QMdiSubWindow>
#include <QtTest>

#include <memory>

using namespace vz;
using namespace vz::test;

// The child windows' widgets wired to the logic: keys, clicks, focus, layout.
class ChatWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QtWorld> world;
    frmChat* chat = nullptr;

    frmPrivat& privatFromBob() {
        world->serverSays(":bob!b@h PRIVMSG me :hi");
        return world->privat("bob");
    }

private slots:
    void init() {
        world = std::make_unique<QtWorld>();
        QVERIFY(QTest::qWaitForWindowActive(&world->area));
        world->serverSays(":me!u@h JOIN :#test");
        world->takeSent();
        chat = &world->chat("#test");
    }
    void cleanup() { world.reset(); }

    // Rows named "<window> <keys>": each window's line ends on its keys (in
    // the status window Ctrl+Enter does not); whatever the layout (Ctrl+К
    // with no Latin one), the conversion keys replace the channel line and put
    // the caret at its end.
    void keysReachTheLogic_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        const QString line = "/raw FOO x", sent = "sent: FOO x\n|0";
        QTest::newRow("channel Return") << line << sent;
        QTest::newRow("channel Ctrl+Return") << line << sent;
        QTest::newRow("private Enter") << line << sent;
        QTest::newRow("status Return") << line << sent;
        QTest::newRow("status Ctrl+Return") << line << line + "|0";
        QTest::newRow("channel Ctrl+R") << QString("pryvit") << "привіт|6";
        QTest::newRow("channel Ctrl+К") << QString("pryvit") << "привіт|6";
        QTest::newRow("channel Ctrl+Д") << QString("привіт") << "pryvit|6";
        QTest::newRow("channel Ctrl+Ы") << QString("руддщ") << "hello|5";
    }
    void keysReachTheLogic() {
        const QStringList tag = QString(QTest::currentDataTag()).split(' ');
        world->files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
        LineEdit& input = tag[0] == "status"    ? world->app->status().txtIn()
                          : tag[0] == "private" ? privatFromBob().txtIn()
                                                : chat->txtIn();
        QLineEdit& edit = widgetOf(input);
        QFETCH(QString, typed);
        edit.insert(typed);
        edit.setCursorPosition(0);
        const QKeyCombination keys = QKeySequence(tag[1])[0];
        QTest::sendKeyEvent(QTest::Press, &edit, keys.key(), QString(), keys.keyboardModifiers());
        QTEST(news(*world) + edit.text() + "|" + QString::number(edit.cursorPosition()), "outcome");
    }

    void topicBoxKeysAndFocusReachTheLogic() {
        QTextEdit& topic = widgetOf(chat->rtbTopic());
        QCOMPARE(topic.font().pointSizeF(), 8.5);
        topic.setFocus();
        QCOMPARE(chat->rtbTopic().text(), std::string());
        QTest::keyClicks(&topic, "new topic");
        QTest::keyClick(&topic, Qt::Key_Return);
        QCOMPARE(news(*world), QString("sent: TOPIC #test :new topic\n"));
    }

    // A click on a nick in the text addresses it; the nick list's menu opens
    // only after a left click selection.
    void nickClicks() {
        chat->AddNick("@bob");
        chat->AddNick("alice");
        chat->PutText("bob", "hello there");
        QCoreApplication::processEvents();
        QTextEdit& text = widgetOf(chat->rtfText());
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, middleOf(text, 2));
        QCOMPARE(text.viewport()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(chat->txtIn().text(), std::string(" bob, "));
        QListWidget& users = widgetOf(chat->lstUsers());
        QTest::mouseClick(users.viewport(), Qt::RightButton, {}, rowCentre(users, 0));
        QVERIFY(!world->userMenu.isVisible());
        QTest::mouseClick(users.viewport(), Qt::LeftButton, {}, rowCentre(users, 0));
        QTest::mouseClick(users.viewport(), Qt::RightButton, {}, rowCentre(users, 1));
        QVERIFY(world->userMenu.isVisible());
        QCOMPARE(world->app->globals().SelectedNick, std::string("@bob"));
        QCOMPARE(users.currentRow(), 0);
    }

    // A double click on a row joins; a closed window stays in the area,
    // hidden for reuse (the channel window parts), and is shown again.
    void listWindowJoinsAndClosedWindowsHide() {
        for (const char* line :
             {"321 me Channel :Users Name", "322 me #other 3 :chat here", "323 me :End of LIST"})
            world->serverSays(std::string(":irc.test ") + line);
        QListWidget& list = widgetOf(world->app->list().lstList());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        QVERIFY(news(*world).startsWith("sent: JOIN #other\n"));
        for (ChildWindow* window : {&world->app->list().window(), &chat->window()}) {
            QMdiSubWindow* sub = subWindowOf(*window);
            sub->close();
            QVERIFY(sub->isHidden() && world->area.subWindowList().contains(sub));
        }
        QCOMPARE(news(*world), QString("sent: PART #test\n"));
        world->serverSays(":me!u@h JOIN :#other");
        QCOMPARE(&world->chat("#other"), chat);
        QVERIFY(subWindowOf(chat->window())->isVisible());
    }

    // Activation reaches the logic and focuses the input; a window shown
    // meanwhile leaves the focus where it is; a closed window is no longer active.
    void activationFollowsTheSubWindows() {
        world->area.setActiveSubWindow(subWindowOf(world->app->status().window()));
        QVERIFY(!world->mainWindow.isMenuEnabled("mnuTopic"));
        chat->window().activate();
        QVERIFY(world->mainWindow.isMenuEnabled("mnuTopic"));
        frmPrivat& privat = privatFromBob();
        QVERIFY(privat.window().isVisible());
        QCOMPARE(world->area.activeSubWindow(), subWindowOf(chat->window()));
        QCOMPARE(QApplication::focusWidget(), &widgetOf(chat->txtIn()));
        privat.window().activate();
        QCOMPARE(world->app->activeTextView(), &privat.rtfText());
        subWindowOf(privat.window())->close();
        QCOMPARE(world->area.activeSubWindow(), nullptr);
        QCOMPARE(world->app->activeTextView(), nullptr);
        world->serverSays(":ann!a@h PRIVMSG me :hello");
        QCOMPARE(world->area.activeSubWindow(), nullptr);
        chat->window().activate();
        world->area.setActiveSubWindow(nullptr);
        QCOMPARE(world->app->activeTextView(), nullptr);
    }

    // The frame shows the title without control characters, the logic keeps
    // it; resizing lays the controls out again.
    void titleAndLayoutFollowTheFrame() {
        QMdiSubWindow* sub = subWindowOf(chat->window());
        const std::string title = "#test - 3 " + std::string(1, '\0');
        chat->window().setTitle(title);
        QTRY_COMPARE(sub->windowTitle(), QStringLiteral("#test - 3 "));
        QCOMPARE(chat->window().title(), title);
        sub->resize(500, 300);
        QListWidget& users = widgetOf(chat->lstUsers());
        QCOMPARE(users.geometry().right() + 1, sub->widget()->width());
        QCOMPARE(widgetOf(chat->rtfText()).width(), sub->widget()->width() - users.width());
    }
};

QTEST_MAIN(ChatWindowTest)
#include "chat_window_test.moc"
