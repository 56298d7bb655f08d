#include "config/translit.h"
#include "qt_world.h"
#include "windows/frm_chat.h"

#include <QtTest>

// The conversion keys on a channel's real input line, whatever the layout:
// key, typed text, converted text.
class ConversionKeysTest : public QObject {
    Q_OBJECT

private slots:
    void replaceTheLineAndPutTheCaretAtItsEnd_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("converted");
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << QString("pryvit") << "привіт";
        QTest::newRow("Ctrl+К, no Latin layout") << 0x41A << QString("pryvit") << "привіт";
        QTest::newRow("Ctrl+Д") << 0x414 << QString("привіт") << "pryvit";
        QTest::newRow("Ctrl+Ы") << 0x42B << QString("руддщ") << "hello";
    }
    void replaceTheLineAndPutTheCaretAtItsEnd() {
        QFETCH(int, key);
        QFETCH(QString, typed);
        vz::test::QtWorld world;
        world.files.files[vz::TranslitFileName] = vz::fake::shippedFile(vz::TranslitFileName);
        world.serverSays(":me!u@h JOIN :#test");
        QLineEdit& edit = vz::test::widgetOf(world.chat("#test").txtIn());
        edit.insert(typed);
        edit.setCursorPosition(0);
        QTest::sendKeyEvent(QTest::Press, &edit, Qt::Key(key), QString(), Qt::ControlModifier);
        QTEST(edit.text(), "converted");
        QCOMPARE(edit.cursorPosition(), edit.text().size());
    }
};

QTEST_MAIN(ConversionKeysTest)
#include "conversion_keys_test.moc"
