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

    void keysThatEndTheTypedLine_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<bool>("sends");
        QTest::newRow("channel Enter") << "channel" << int(Qt::Key_Return) << false << true;
        QTest::newRow("channel Ctrl+Enter") << "channel" << int(Qt::Key_Return) << true << true;
        QTest::newRow("private keypad Enter") << "private" << int(Qt::Key_Enter) << false << true;
        QTest::newRow("status Enter") << "status" << int(Qt::Key_Return) << false << true;
        QTest::newRow("status Ctrl+Enter") << "status" << int(Qt::Key_Return) << true << false;
    }
    void keysThatEndTheTypedLine() {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(bool, ctrl);
        QFETCH(bool, sends);
        LineEdit& input = window == "status"    ? world->app->status().txtIn()
                          : window == "private" ? privatFromBob().txtIn()
                                                : chat->txtIn();
        QTest::keyClicks(&widgetOf(input), "/raw FOO x");
        QTest::keyClick(&widgetOf(input), Qt::Key(key),
                        ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(news(*world), QString(sends ? "sent: FOO x\n" : ""));
    }

    // Whatever the layout, the conversion keys replace the line and put the
    // caret at its end.
    void conversionKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("converted");
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << QString("pryvit") << "привіт";
        QTest::newRow("Ctrl+К, no Latin layout") << 0x41A << QString("pryvit") << "привіт";
        QTest::newRow("Ctrl+Д") << 0x414 << QString("привіт") << "pryvit";
        QTest::newRow("Ctrl+Ы") << 0x42B << QString("руддщ") << "hello";
    }
    void conversionKeys() {
        QFETCH(int, key);
        QFETCH(QString, typed);
        world->files.files[TranslitFileName] = fake::shippedFile(TranslitFileName);
        QLineEdit& edit = widgetOf(chat->txtIn());
        edit.insert(typed);
        edit.setCursorPosition(0);
        QTest::sendKeyEvent(QTest::Press, &edit, Qt::Key(key), QString(), Qt::ControlModifier);
        QTEST(edit.text(), "converted");
        QCOMPARE(edit.cursorPosition(), edit.text().size());
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

    void nickListMenuOnlyAfterALeftClickSelection() {
        chat->AddNick("@bob");
        chat->AddNick("alice");
        QListWidget& users = widgetOf(chat->lstUsers());
        QTest::mouseClick(users.viewport(), Qt::RightButton, {}, rowCentre(users, 0));
        QVERIFY(!world->userMenu.isVisible());
        QTest::mouseClick(users.viewport(), Qt::LeftButton, {}, rowCentre(users, 0));
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
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, middleOf(text, 2));
        QCOMPARE(text.viewport()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(chat->txtIn().text(), std::string(" bob, "));
    }

    void closingHidesTheSubWindowForReuse() {
        QMdiSubWindow* sub = subWindowOf(chat->window());
        sub->close();
        QCOMPARE(news(*world), QString("sent: PART #test\n"));
        QVERIFY(sub->isHidden() && world->area.subWindowList().contains(sub));
        world->serverSays(":me!u@h JOIN :#other");
        QCOMPARE(&world->chat("#other"), chat);
        QVERIFY(sub->isVisible());
    }

    void listWindowJoinsOnDoubleClickAndHidesOnClose() {
        for (const char* line :
             {"321 me Channel :Users Name", "322 me #other 3 :chat here", "323 me :End of LIST"})
            world->serverSays(std::string(":irc.test ") + line);
        QListWidget& list = widgetOf(world->app->list().lstList());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        QVERIFY(news(*world).startsWith("sent: JOIN #other\n"));
        QMdiSubWindow* sub = subWindowOf(world->app->list().window());
        sub->close();
        QVERIFY(sub->isHidden() && world->area.subWindowList().contains(sub));
    }

    void titleFrameHidesControlCharactersButTheLogicKeepsThem() {
        const std::string title = "#test - 3 " + std::string(1, '\0');
        chat->window().setTitle(title);
        QTRY_COMPARE(subWindowOf(chat->window())->windowTitle(), QStringLiteral("#test - 3 "));
        QCOMPARE(chat->window().title(), title);
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

    void resizingLaysTheControlsOutAgain() {
        QMdiSubWindow* sub = subWindowOf(chat->window());
        sub->resize(500, 300);
        QListWidget& users = widgetOf(chat->lstUsers());
        QCOMPARE(users.geometry().right() + 1, sub->widget()->width());
        QCOMPARE(widgetOf(chat->rtfText()).width(), sub->widget()->width() - users.width());
    }
};

QTEST_MAIN(ChatWindowTest)
#include "chat_window_test.moc"
