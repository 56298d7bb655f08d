#include "qt_clock.h"
#include "qt_event_pump.h"
#include "qt_file_system.h"
#include "qt_locale_format.h"
#include "qt_world.h"
#include "twips.h"

#include <QtTest>

using namespace std::string_literals;
using Text = std::optional<std::string>;

// The Qt clock, event pump, files, locale and twips, in a temporary folder.
class PlatformTest : public QObject {
    Q_OBJECT

    vz::test::InTemporaryDir folder;
    vz::QtFileSystem files;

private slots:
    // Timers fire once, in order, and may be started and cancelled from a
    // callback; the pump's wait keeps events running.
    void timersAndWait() {
        vz::QtClock clock;
        std::vector<int> fired;
        clock.startTimer(30, [&]() { fired.push_back(3); });
        const vz::TimerId cancelled = clock.startTimer(10, [&]() { fired.push_back(99); });
        const vz::TimerId self = clock.startTimer(0, [&]() {
            clock.cancelTimer(self);
            clock.startTimer(0, [&]() { fired.push_back(2); });
            fired.push_back(1);
        });
        clock.cancelTimer(cancelled);
        clock.cancelTimer(12345);
        QTRY_COMPARE(fired, (std::vector<int>{1, 2, 3}));
        vz::QtEventPump pump;
        clock.startTimer(5, [&]() { fired.push_back(4); });
        const std::int64_t before = clock.nowMs();
        pump.wait(50);
        QVERIFY(clock.nowMs() - before >= 50);
        QCOMPARE(fired, (std::vector<int>{1, 2, 3, 4}));
        QMetaObject::invokeMethod(
            this, [&]() { fired.push_back(5); }, Qt::QueuedConnection);
        pump.runPending();
        QCOMPARE(fired, (std::vector<int>{1, 2, 3, 4, 5}));
    }

    // Bytes unchanged; a failed write keeps the old file; the stamp is the
    // modification time and size of a file.
    void filesAreBytesAndAFailedWriteKeepsTheOldFile() {
        const std::string data = "[Last]\r\nServer=\xD0\x86rc\r\n\0x"s;
        QVERIFY(files.writeFileAtomic("kept.ini", data) &&
                files.openAppending("kept.ini")->append("+"));
        QVERIFY(files.isFile("kept.ini") && !files.isFile("missing.ini"));
        QVERIFY(!files.readFile("missing.ini") && !files.stamp("missing.ini"));
        QVERIFY(QDir().mkdir("folder.ini"));
        QVERIFY(!files.writeFileAtomic("folder.ini", "new") && !files.stamp("folder.ini"));
        QVERIFY(!files.writeFileAtomic("no/such/folder/x.ini", "new"));
        QCOMPARE(files.readFile("kept.ini"), Text(data + "+"));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).filter("kept.ini").size(), 1);
        QFile file("kept.ini");
        const qint64 time = 1700000000123;
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::fromMSecsSinceEpoch(time),
                                 QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(files.stamp("kept.ini"), (std::optional<vz::FileStamp>({time, 24})));
    }
    // A file kept open follows its name: moved or deleted, the next append
    // makes the file of that name again and the moved file keeps its text.
    void appendingFileFollowsItsName() {
        const auto log = files.openAppending("log.txt");
        QVERIFY(log->append("a"));
        QVERIFY(QFile::rename("log.txt", "moved.txt"));
        QVERIFY(log->append("b"));
        QVERIFY(QFile::remove("log.txt"));
        QVERIFY(log->append("c") && log->append("d"));
        QCOMPARE(files.readFile("moved.txt"), Text("a"));
        QCOMPARE(files.readFile("log.txt"), Text("cd"));
    }

    // In byte order of the UTF-8 names: capitals first, U+FF5E before U+1F600.
    void listFilesMatchesThePatternOnlyInByteOrder() {
        QVERIFY(QDir().mkpath("Plugins/sub.dll"));
        const std::vector<std::string> sorted{"B.dll", "a.dll", "b.dll", "\uFF5E.dll",
                                              "\U0001F600.dll"};
        for (const char* name :
             {"b.dll", "\U0001F600.dll", "a.dll", "\uFF5E.dll", "B.dll", "readme.txt"})
            QVERIFY(files.writeFileAtomic("Plugins/"s + name, "x"));
        QCOMPARE(files.listFiles("Plugins", "*.dll"), sorted);
        QVERIFY(files.listFiles("Nowhere", "*.dll").empty());
        QVERIFY(files.writeFileAtomic("English.lng", "x"));
        QCOMPARE(files.listFiles("", "*.lng"), std::vector<std::string>{"English.lng"});
    }

    void localeTextsAndTwips() {
        const vz::QtLocaleFormat locale;
        QVERIFY(!locale.shortDate().empty() && !locale.timeOfDay().empty());
        QVERIFY(locale.timeOfDay().back() != ' ');
        QVERIFY(QString::fromStdString(locale.timeOfDay())
                    .contains(QRegularExpression(R"(\d:\d\d:\d\d)")));
        const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
        QCOMPARE(vz::twipsToPixels(1440), dpi);
        QCOMPARE(vz::pixelsToTwips(dpi), 1440);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
