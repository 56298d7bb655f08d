#include "qt_clock.h"
#include "qt_event_pump.h"
#include "qt_file_system.h"
#include "qt_locale_format.h"
#include "twips.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class PlatformTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString startDir;
    vz::QtFileSystem files;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
    }

    void cleanupTestCase() { QDir::setCurrent(startDir); }

    void timersFireOnceInOrderAndCancel() {
        vz::QtClock clock;
        std::vector<int> fired;
        clock.startTimer(30, [&]() { fired.push_back(2); });
        const vz::TimerId cancelled = clock.startTimer(10, [&]() { fired.push_back(99); });
        clock.startTimer(0, [&]() { fired.push_back(1); });
        clock.cancelTimer(cancelled);
        clock.cancelTimer(12345);
        QTRY_COMPARE(fired, (std::vector<int>{1, 2}));
        QTest::qWait(50);
        QCOMPARE(fired, (std::vector<int>{1, 2}));
    }

    void timerCallbackMayStartAndCancelTimers() {
        vz::QtClock clock;
        std::vector<int> fired;
        vz::TimerId self = 0;
        self = clock.startTimer(0, [&]() {
            clock.cancelTimer(self);
            clock.startTimer(0, [&]() { fired.push_back(2); });
            fired.push_back(1);
        });
        QTRY_COMPARE(fired, (std::vector<int>{1, 2}));
    }

    void waitKeepsEventsRunning() {
        vz::QtClock clock;
        vz::QtEventPump pump;
        bool fired = false;
        clock.startTimer(5, [&]() { fired = true; });
        const std::int64_t before = clock.nowMs();
        pump.wait(40);
        QVERIFY(fired);
        QVERIFY(clock.nowMs() - before >= 40);
        bool posted = false;
        QMetaObject::invokeMethod(
            this, [&]() { posted = true; }, Qt::QueuedConnection);
        pump.runPending();
        QVERIFY(posted);
    }

    void filesRoundTripAsBytes() {
        const char bytes[] = "[Last]\r\nServer=\xD0\x86rc\r\n\0x";
        const std::string data(bytes, sizeof bytes - 1);
        QVERIFY(files.writeFileAtomic("roundtrip.ini", data));
        QCOMPARE(files.readFile("roundtrip.ini"), std::optional<std::string>(data));
        QVERIFY(files.isFile("roundtrip.ini"));
        QVERIFY(!files.isFile("missing.ini"));
        QVERIFY(!files.readFile("missing.ini").has_value());
        QVERIFY(files.appendToFile("log.txt", "one\r\n"));
        QVERIFY(files.appendToFile("log.txt", "two\r\n"));
        QCOMPARE(files.readFile("log.txt"), std::optional<std::string>("one\r\ntwo\r\n"));
    }

    void failedAtomicWriteKeepsTheOldFile() {
        QVERIFY(files.writeFileAtomic("kept.ini", "old"));
        QVERIFY(QDir().mkdir("folder.ini"));
        QVERIFY(!files.writeFileAtomic("folder.ini", "new"));
        QVERIFY(QFileInfo("folder.ini").isDir());
        QVERIFY(!files.writeFileAtomic("no/such/folder/x.ini", "new"));
        QCOMPARE(files.readFile("kept.ini"), std::optional<std::string>("old"));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).filter("kept.ini").size(), 1);
    }

    void readOnlyFolderKeepsTheOldFile() {
        if (::geteuid() == 0)
            QSKIP("the superuser writes into read-only folders");
        QVERIFY(QDir().mkdir("locked"));
        QVERIFY(files.writeFileAtomic("locked/vuvivaz.ini", "old"));
        QVERIFY(::chmod("locked", 0555) == 0);
        const bool written = files.writeFileAtomic("locked/vuvivaz.ini", "new");
        ::chmod("locked", 0755);
        QVERIFY(!written);
        QCOMPARE(files.readFile("locked/vuvivaz.ini"), std::optional<std::string>("old"));
    }

    void listFilesMatchesThePatternOnly() {
        QVERIFY(QDir().mkpath("Plugins/sub.dll"));
        for (const char* name : {"Plugins/b.dll", "Plugins/a.dll", "Plugins/readme.txt"})
            QVERIFY(files.writeFileAtomic(name, "x"));
        QCOMPARE(files.listFiles("Plugins", "*.dll"), (std::vector<std::string>{"a.dll", "b.dll"}));
        QVERIFY(files.listFiles("Nowhere", "*.dll").empty());
        QVERIFY(files.writeFileAtomic("English.lng", "x"));
        QCOMPARE(files.listFiles("", "*.lng"), std::vector<std::string>{"English.lng"});
    }

    void stampIsTheModificationTimeAndSize() {
        QVERIFY(!files.stamp("missing.lng"));
        QVERIFY(QDir().mkdir("folder.lng"));
        QVERIFY(!files.stamp("folder.lng"));
        QVERIFY(files.writeFileAtomic("stamped.lng", "abc"));
        QFile file("stamped.lng");
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 time = 1700000000123;
        QVERIFY(file.setFileTime(QDateTime::fromMSecsSinceEpoch(time),
                                 QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(files.stamp("stamped.lng"), (std::optional<vz::FileStamp>({time, 3})));
    }

    void localeTextsAreFilled() {
        const vz::QtLocaleFormat locale;
        QVERIFY(!locale.shortDate().empty());
        const std::string time = locale.timeOfDay();
        QVERIFY(!time.empty());
        QVERIFY(time.back() != ' ');
    }

    void twipsFollowTheScreenResolution() {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        QCOMPARE(vz::twipsToPixels(1440), qRound(dpi));
        QCOMPARE(vz::pixelsToTwips(qRound(dpi)), 1440);
        QCOMPARE(vz::pixelsToTwips(vz::twipsToPixels(0)), 0);
    }
};

QTEST_MAIN(PlatformTest)

#include "platform_test.moc"
