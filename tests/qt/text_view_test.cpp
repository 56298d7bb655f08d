#include "qt_world.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include <memory>

using vz::TextAttr;
using vz::TextRun;
using vz::test::middleOf;

namespace {

std::vector<TextRun> plain(const std::string& text) {
    return {TextRun{text, {}}};
}

// A block's fragments, each as its text with colour, weight and underline.
QStringList described(const QTextBlock& block) {
    QStringList fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        fragments << it.fragment().text() + " " + format.foreground().color().name() +
                         (format.fontWeight() == QFont::Bold ? " bold" : "") +
                         (format.fontUnderline() ? " underline" : "");
    }
    return fragments;
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

    int charIndexAt(QPoint point) { return view->charIndexAt(point.x(), point.y()); }

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

    // " bob: message N" with a bold nick, an underlined colon and red text.
    void onlyTheNewestLinesAreInsertedWithTheirFormats() {
        int inserted = 0;
        connect(edit().document(), &QTextDocument::contentsChange,
                [&inserted](int, int, int added) { inserted += added; });
        view->setLineLimit(3);
        for (int n = 1; n <= 10; ++n)
            view->appendLine({TextRun{" ", {}}, TextRun{"bob", TextAttr{.bold = true}},
                              TextRun{":", TextAttr{.underline = true}},
                              TextRun{" message " + std::to_string(n), TextAttr{.rgb = 0xFF0000}}});
        QCoreApplication::processEvents();
        QCOMPARE(edit().toPlainText(), " bob: message 8\n bob: message 9\n bob: message 10");
        QVERIFY(inserted <= static_cast<int>(view->text().size()) + 1);
        QCOMPARE(described(edit().document()->lastBlock()),
                 (QStringList{"  #000000", "bob #000000 bold", ": #000000 underline",
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

    // charIndexAt names the character under the pixel (the emoji takes two
    // document positions but is one character), scrolled or not; the view
    // follows new lines only while scrolled to the end.
    void charIndexAtAndScrolling() {
        host->show();
        view->appendLine(plain(" hello world"));
        view->appendLine(plain(" 😀 bob said"));
        view->flush();
        const QPoint hello = middleOf(edit(), 7);
        QCOMPARE((QList<int>{charIndexAt(hello), charIndexAt(middleOf(edit(), 17)),
                             charIndexAt({390, hello.y()}), charIndexAt({hello.x(), 190})}),
                 (QList<int>{7, 16, -1, -1}));
        appendAndLayOut(100, "line ");
        QScrollBar& bar = *edit().verticalScrollBar();
        QVERIFY(bar.maximum() > 0);
        QCOMPARE(bar.value(), bar.maximum());
        const int last = edit().document()->lastBlock().position();
        QCOMPARE(charIndexAt(middleOf(edit(), last)), last - 1);
        bar.setValue(10);
        appendAndLayOut(50, "more ");
        QCOMPARE(bar.value(), 10);
        bar.setValue(bar.maximum());
        appendAndLayOut(1, "last");
        QCOMPARE(bar.value(), bar.maximum());
    }

    // A press reports where it was, a left click without dragging also a click.
    void pointerAndMouseAreReported() {
        host->show();
        QWidget* viewport = edit().viewport();
        const Qt::CursorShape original = viewport->cursor().shape();
        view->setCustomPointer(true);
        QCOMPARE(viewport->cursor().shape(), Qt::PointingHandCursor);
        view->setCustomPointer(false);
        QCOMPARE(viewport->cursor().shape(), original);
        QList<QPoint> presses;
        int clicks = 0;
        view->setMouseHandlers([&](int x, int y) { presses << QPoint(x, y); }, [&] { ++clicks; });
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(12, 7));
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(80, 10));
        QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(presses, (QList<QPoint>{{12, 7}, {10, 10}, {10, 10}}));
        QCOMPARE(clicks, 1);
    }

    // Keys reach the handler as character codes; a swallowed key is not typed.
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
        swallow = true;
        QTest::keyClick(&edit(), Qt::Key_Backspace);
        QTest::keyClicks(&edit(), "c");
        QCOMPARE(view->text(), std::string("ab"));
        QCOMPARE(codes, (std::vector<int>{'a', 'b', 13, 18, 8, 'c'}));
    }
};

QTEST_MAIN(TextViewTest)
#include "text_view_test.moc"
