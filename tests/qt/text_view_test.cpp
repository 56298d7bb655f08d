#include "qt_text_view.h"
#include "text/utf8.h"
#include "text_edit_points.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using vz::QtTextView;
using vz::TextAttr;
using vz::TextRun;
using vz::test::middleOf;

namespace {

constexpr std::uint32_t Red = 0xFF0000;

// " <bob>: message N" with a bold nick, an underlined colon and red text.
std::vector<TextRun> chatLine(int n) {
    return {TextRun{" ", {}}, TextRun{"bob", TextAttr{0, true, false}},
            TextRun{":", TextAttr{0, false, true}},
            TextRun{" message " + std::to_string(n), TextAttr{Red, false, false}}};
}

std::vector<TextRun> plainLine(const std::string& text) {
    return {TextRun{text, {}}};
}

struct Fragment {
    QString text;
    QColor colour;
    bool bold;
    bool underline;
};

std::vector<Fragment> fragmentsOf(const QTextBlock& block) {
    std::vector<Fragment> out;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        out.push_back({fragment.text(), format.foreground().color(),
                       format.fontWeight() == QFont::Bold, format.fontUnderline()});
    }
    return out;
}

} // namespace

class TextViewTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        host = std::make_unique<QWidget>();
        host->resize(400, 200);
        view = std::make_unique<QtTextView>(host.get());
        view->place(vz::TwipRect{0, 0, 6000, 3000});
    }
    void cleanup() {
        view.reset();
        host.reset();
    }

    void floodKeepsOnlyTheNewestLinesWithTheirFormats() {
        view->setLineLimit(5000);
        for (int n = 1; n <= 20000; ++n)
            view->appendLine(chatLine(n));
        // A view that was idle lays its lines out at the next event-loop turn.
        QCoreApplication::processEvents();

        QTextDocument& doc = *view->widget()->document();
        QCOMPARE(doc.blockCount(), 5000);
        QCOMPARE(doc.firstBlock().text(), QString(" bob: message 15001"));
        const std::vector<Fragment> last = fragmentsOf(doc.lastBlock());
        QCOMPARE(last.size(), std::size_t(4));
        QCOMPARE(last[1].text, QString("bob"));
        QVERIFY(last[1].bold && !last[1].underline);
        QCOMPARE(last[1].colour, QColor(0, 0, 0));
        QCOMPARE(last[2].text, QString(":"));
        QVERIFY(!last[2].bold && last[2].underline);
        QCOMPARE(last[3].text, QString(" message 20000"));
        QCOMPARE(last[3].colour, QColor(255, 0, 0));
        QVERIFY(!last[3].bold && !last[3].underline);
    }

    void linesBeyondTheLimitAreNeverInserted() {
        int inserted = 0;
        connect(view->widget()->document(), &QTextDocument::contentsChange,
                [&inserted](int, int, int added) { inserted += added; });
        view->setLineLimit(3);
        for (int n = 0; n < 10; ++n)
            view->appendLine(plainLine("line" + std::to_string(n)));
        view->flush();
        QCoreApplication::processEvents();
        QCOMPARE(view->text(), std::string("line7\nline8\nline9"));
        QVERIFY(inserted <= static_cast<int>(std::string("line7\nline8\nline9").size()) + 1);
    }

    void aLowerLimitTrimsLinesAlreadyShown() {
        for (int n = 0; n < 6; ++n)
            view->appendLine(plainLine(std::to_string(n)));
        view->flush();
        QCoreApplication::processEvents();
        view->setLineLimit(2);
        view->flush();
        QCoreApplication::processEvents();
        QCOMPARE(view->text(), std::string("4\n5"));
        view->appendLine(plainLine("6"));
        QCOMPARE(view->text(), std::string("5\n6"));
    }

    void readsSeeLinesBeforeTheEventLoopRuns() {
        view->appendLine(plainLine(" first"));
        view->appendLine(chatLine(2));
        QCOMPARE(view->text(), std::string(" first\n bob: message 2"));
        view->appendLine(plainLine(" third"));
        view->deleteRange(0, 1);
        QCOMPARE(view->text(), std::string("first\n bob: message 2\n third"));
        view->appendLine(plainLine("queued"));
        view->clear();
        view->flush();
        QCoreApplication::processEvents();
        QCOMPARE(view->text(), std::string());
    }

    void emptyLinesAndLineBreaksInsideALineKeepTheLineCount() {
        view->appendLine({});
        view->appendLine(plainLine("a\nb\rc"));
        view->appendLine(plainLine(""));
        QCOMPARE(view->text(), std::string("\na b c\n"));
        QCOMPARE(view->widget()->document()->blockCount(), 3);
    }

    void deleteRangeCountsCharactersNotBytes() {
        view->appendLine(plainLine(" Привіт 😀 світ"));
        view->deleteRange(8, 2);
        QCOMPARE(view->text(), std::string(" Привіт світ"));
    }

    void charIndexAtNamesTheCharacterUnderThePixel() {
        host->show();
        view->appendLine(plainLine(" hello world"));
        view->appendLine(plainLine(" 😀 bob said"));
        QTextEdit& edit = *view->widget();
        const std::string text = view->text();
        // The second line starts at document position 13; its emoji takes two
        // positions but is one character, so "b" at position 17 is character 16.
        QCOMPARE(view->charIndexAt(middleOf(edit, 7).x(), middleOf(edit, 7).y()), 7);
        const QPoint bob = middleOf(edit, 17);
        QCOMPARE(view->charIndexAt(bob.x(), bob.y()), 16);
        QCOMPARE(vz::utf8::substr(text, 16, 1), std::string("b"));
        QCOMPARE(view->charIndexAt(390, middleOf(edit, 7).y()), -1);
        QCOMPARE(view->charIndexAt(middleOf(edit, 7).x(), 190), -1);
    }

    void charIndexAtFollowsTheScrollPosition() {
        host->show();
        for (int n = 0; n < 200; ++n)
            view->appendLine(plainLine("line " + std::to_string(n)));
        view->flush();
        QCoreApplication::processEvents();
        QTextEdit& edit = *view->widget();
        const QTextBlock last = edit.document()->lastBlock();
        const QPoint point = middleOf(edit, last.position());
        QVERIFY(edit.verticalScrollBar()->value() > 0);
        QCOMPARE(view->charIndexAt(point.x(), point.y()), last.position());
    }

    void followsNewLinesOnlyWhileScrolledToTheEnd() {
        host->show();
        for (int n = 0; n < 100; ++n)
            view->appendLine(plainLine("line " + std::to_string(n)));
        view->flush();
        QCoreApplication::processEvents();
        QScrollBar& bar = *view->widget()->verticalScrollBar();
        QVERIFY(bar.maximum() > 0);
        QCOMPARE(bar.value(), bar.maximum());

        bar.setValue(10);
        for (int n = 0; n < 50; ++n)
            view->appendLine(plainLine("more " + std::to_string(n)));
        view->flush();
        QCoreApplication::processEvents();
        QCOMPARE(bar.value(), 10);

        bar.setValue(bar.maximum());
        view->appendLine(plainLine("last"));
        view->flush();
        QCoreApplication::processEvents();
        QCOMPARE(bar.value(), bar.maximum());
    }

    void customPointerSwitchesBackToTheDefault() {
        const Qt::CursorShape original = view->widget()->viewport()->cursor().shape();
        view->setCustomPointer(true);
        QCOMPARE(view->widget()->viewport()->cursor().shape(), Qt::PointingHandCursor);
        view->setCustomPointer(false);
        QCOMPARE(view->widget()->viewport()->cursor().shape(), original);
    }

    void mousePressAndClickAreReported() {
        host->show();
        std::vector<QPoint> presses;
        int clicks = 0;
        view->setMouseHandlers([&](int x, int y) { presses.emplace_back(x, y); },
                               [&] { ++clicks; });
        QWidget* viewport = view->widget()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(12, 7));
        QCOMPARE(presses.size(), std::size_t(1));
        QCOMPARE(presses[0], QPoint(12, 7));
        QCOMPARE(clicks, 1);

        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(80, 10));
        QCOMPARE(clicks, 1);
        QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(presses.size(), std::size_t(3));
        QCOMPARE(clicks, 1);
    }

    void oneLineBoxForwardsCharacterCodes() {
        view->makeOneLineBox(8.5);
        QCOMPARE(view->widget()->font().pointSizeF(), 8.5);
        std::vector<int> codes;
        bool swallow = false;
        view->setKeyHandler([&](int code) {
            codes.push_back(code);
            return swallow;
        });
        QTextEdit* box = view->widget();
        QTest::keyClicks(box, "ab");
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(codes, (std::vector<int>{'a', 'b', 13, 18}));
        QCOMPARE(view->text(), std::string("ab"));

        swallow = true;
        QTest::keyClicks(box, "c");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(view->text(), std::string("ab"));
        QCOMPARE(codes.back(), 8);
    }

    void oneLineBoxReportsFocus() {
        view->makeOneLineBox(8.5);
        auto* other = new QLineEdit(host.get());
        other->move(0, 150);
        int focused = 0;
        view->setFocusHandler([&] { ++focused; });
        host->show();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
        other->setFocus();
        focused = 0;
        view->widget()->setFocus();
        QCOMPARE(focused, 1);
    }

private:
    std::unique_ptr<QWidget> host;
    std::unique_ptr<QtTextView> view;
};

QTEST_MAIN(TextViewTest)
#include "text_view_test.moc"
