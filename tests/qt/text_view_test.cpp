#include "qt_world.h"
#include "text/utf8.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include <memory>

using vz::TextAttr;
using vz::TextRun;
using vz::test::middleOf;

namespace {

// " bob: message N" with a bold nick, an underlined colon and red text.
std::vector<TextRun> chatLine(int n) {
    return {TextRun{" ", {}}, TextRun{"bob", TextAttr{0, true, false}},
            TextRun{":", TextAttr{0, false, true}},
            TextRun{" message " + std::to_string(n), TextAttr{0xFF0000, false, false}}};
}

std::vector<TextRun> plain(const std::string& text) {
    return {TextRun{text, {}}};
}

// A fragment's text with its colour, weight and underline.
QString described(const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    return fragment.text() + " " + format.foreground().color().name() +
           (format.fontWeight() == QFont::Bold ? " bold" : "") +
           (format.fontUnderline() ? " underline" : "");
}

} // namespace

// Lines into the real text view: formats, the line bound, pixels to
// characters, scrolling, pointer, mouse and the one-line box's keys.
class TextViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> host;
    std::unique_ptr<vz::QtTextView> view;
    QTextEdit& edit() { return *view->widget(); }

    void appendAndLayOut(int count, const std::string& prefix) {
        for (int n = 0; n < count; ++n)
            view->appendLine(plain(prefix + std::to_string(n)));
        view->flush();
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        host = std::make_unique<QWidget>();
        host->resize(400, 200);
        view = std::make_unique<vz::QtTextView>(host.get());
        view->place(vz::TwipRect{0, 0, 6000, 3000});
    }
    void cleanup() {
        view.reset();
        host.reset();
    }

    void onlyTheNewestLinesAreInsertedWithTheirFormats() {
        int inserted = 0;
        connect(edit().document(), &QTextDocument::contentsChange,
                [&inserted](int, int, int added) { inserted += added; });
        view->setLineLimit(3);
        for (int n = 1; n <= 10; ++n)
            view->appendLine(chatLine(n));
        QCoreApplication::processEvents();
        QTextDocument& doc = *edit().document();
        QCOMPARE(doc.blockCount(), 3);
        QCOMPARE(doc.firstBlock().text(), QString(" bob: message 8"));
        QVERIFY(inserted <= static_cast<int>(view->text().size()) + 1);
        QStringList last;
        for (auto it = doc.lastBlock().begin(); !it.atEnd(); ++it)
            last << described(it.fragment());
        QCOMPARE(last, (QStringList{"  #000000", "bob #000000 bold", ": #000000 underline",
                                    " message 10 #ff0000"}));
        view->setLineLimit(2);
        view->appendLine(plain("x"));
        QCOMPARE(view->text(), std::string(" bob: message 10\nx"));
    }

    void readsSeeQueuedLinesAndCountCharactersNotBytes() {
        view->appendLine({});
        view->appendLine(plain(" Привіт 😀 світ"));
        view->appendLine(plain("a\nb\rc"));
        QCOMPARE(view->text(), std::string("\n Привіт 😀 світ\na b c"));
        QCOMPARE(edit().document()->blockCount(), 3);
        view->setCaret(11);
        QCOMPARE(edit().textCursor().position(), 12);
        view->deleteRange(9, 2);
        QCOMPARE(view->text(), std::string("\n Привіт світ\na b c"));
        view->appendLine(plain("queued"));
        view->clear();
        view->flush();
        QCoreApplication::processEvents();
        QCOMPARE(view->text(), std::string());
    }

    // charIndexAt names the character under the pixel, scrolled or not; the
    // view follows new lines only while scrolled to the end.
    void charIndexAtAndScrolling() {
        host->show();
        view->appendLine(plain(" hello world"));
        view->appendLine(plain(" 😀 bob said"));
        view->flush();
        // The emoji takes two document positions but is one character, so "b"
        // at position 17 is character 16.
        const QPoint hello = middleOf(edit(), 7), bob = middleOf(edit(), 17);
        QCOMPARE(view->charIndexAt(hello.x(), hello.y()), 7);
        QCOMPARE(view->charIndexAt(bob.x(), bob.y()), 16);
        QCOMPARE(vz::utf8::substr(view->text(), 16, 1), std::string("b"));
        QCOMPARE(view->charIndexAt(390, hello.y()), -1);
        QCOMPARE(view->charIndexAt(hello.x(), 190), -1);
        appendAndLayOut(100, "line ");
        QScrollBar& bar = *edit().verticalScrollBar();
        QVERIFY(bar.maximum() > 0);
        QCOMPARE(bar.value(), bar.maximum());
        const QTextBlock last = edit().document()->lastBlock();
        const QPoint point = middleOf(edit(), last.position());
        QCOMPARE(view->charIndexAt(point.x(), point.y()), last.position() - 1); // the emoji
        bar.setValue(10);
        appendAndLayOut(50, "more ");
        QCOMPARE(bar.value(), 10);
        bar.setValue(bar.maximum());
        appendAndLayOut(1, "last");
        QCOMPARE(bar.value(), bar.maximum());
    }

    void pointerAndMouseAreReported() {
        host->show();
        const Qt::CursorShape original = edit().viewport()->cursor().shape();
        view->setCustomPointer(true);
        QCOMPARE(edit().viewport()->cursor().shape(), Qt::PointingHandCursor);
        view->setCustomPointer(false);
        QCOMPARE(edit().viewport()->cursor().shape(), original);
        QList<QPoint> presses;
        int clicks = 0;
        view->setMouseHandlers([&](int x, int y) { presses << QPoint(x, y); }, [&] { ++clicks; });
        QWidget* viewport = edit().viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(12, 7));
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(80, 10));
        QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(presses, (QList<QPoint>{{12, 7}, {10, 10}, {10, 10}}));
        QCOMPARE(clicks, 1);
    }

    void oneLineBoxForwardsKeysAndFocus() {
        view->makeOneLineBox(8.5);
        auto* other = new QLineEdit(host.get());
        other->move(0, 150);
        std::vector<int> codes;
        bool swallow = false;
        int focused = 0;
        view->setKeyHandler([&](int code) {
            codes.push_back(code);
            return swallow;
        });
        view->setFocusHandler([&] { ++focused; });
        host->show();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
        other->setFocus();
        focused = 0;
        edit().setFocus();
        QCOMPARE(focused, 1);
        QTest::keyClicks(&edit(), "ab");
        QTest::keyClick(&edit(), Qt::Key_Return);
        QTest::keyClick(&edit(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(codes, (std::vector<int>{'a', 'b', 13, 18}));
        QCOMPARE(view->text(), std::string("ab"));
        swallow = true;
        QTest::keyClicks(&edit(), "c");
        QTest::keyClick(&edit(), Qt::Key_Backspace);
        QCOMPARE(view->text(), std::string("ab"));
        QCOMPARE(codes.back(), 8);
    }
};

QTEST_MAIN(TextViewTest)
#include "text_view_test.moc"
