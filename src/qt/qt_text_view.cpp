// Qt rich text view: appends coloured runs in batches and keeps the scrollback bound.
#include "qt_text_view.h"

#include "qt_key_codes.h"
#include "twips.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace vz {
namespace {

// While lines keep coming, the view is laid out at most this often: larger
// batches cost far fewer layout passes, and the delay is not visible.
constexpr qint64 FlushGapMs = 20;
// Under a flood laying out takes long; the gap grows to this many times the
// last layout, so the view costs at most a fifth of the time and lines that
// the scrollback bound drops meanwhile are never laid out.
constexpr qint64 GapPerLayoutTime = 4;
// Tab stops every half inch, as in a classic rich text box.
constexpr int TabStopTwips = 720;

// Characters that QTextCursor::insertText turns into a block break; inside a
// line they are shown as blanks so that one appended line stays one block.
bool breaksBlock(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) ||
           c == QChar(0xFDD1);
}

QString displayable(const std::string& text) {
    QString out = QString::fromStdString(text);
    for (QChar& c : out) {
        if (breaksBlock(c))
            c = u' ';
    }
    return out;
}

// The document's text with its block breaks as "\n".
QString plainText(const QTextDocument& doc) {
    QString raw = doc.toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}

int codePointIndex(const QString& text, int position) {
    int index = 0;
    for (int i = 0; i < position && i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate())
            ++index;
    }
    return index;
}

int positionOfCodePoint(const QString& text, int index) {
    int position = 0;
    for (int n = 0; n < index && position < text.size(); ++n) {
        const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size() &&
                          text.at(position + 1).isLowSurrogate();
        position += pair ? 2 : 1;
    }
    return position;
}

quint32 formatKey(const TextAttr& attr) {
    return (attr.rgb & 0xFFFFFFu) | (attr.bold ? 1u << 24 : 0u) | (attr.underline ? 1u << 25 : 0u);
}

} // namespace

QtTextView::QtTextView(QWidget* parent) : edit_(new QTextEdit(parent)) {
    edit_->setReadOnly(true);
    edit_->setUndoRedoEnabled(false);
    edit_->setAcceptRichText(false);
    edit_->setTabStopDistance(twipsToPixels(TabStopTwips));
    edit_->viewport()->installEventFilter(this);
    edit_->installEventFilter(this);
    defaultPointer_ = edit_->viewport()->cursor();

    flushTimer_.setSingleShot(true);
    connect(&flushTimer_, &QTimer::timeout, this, [this] { flush(); });

    QScrollBar* bar = edit_->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this](int, int maximum) { followEnd(maximum); });
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { following_ = value >= bar->maximum(); });
}

void QtTextView::makeOneLineBox(double pointSize) {
    edit_->setReadOnly(false);
    edit_->setLineWrapMode(QTextEdit::NoWrap);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setTabChangesFocus(true);
    edit_->setContextMenuPolicy(Qt::NoContextMenu);
    edit_->setAcceptDrops(false);
    edit_->document()->setDocumentMargin(1);
    QFont font = edit_->font();
    font.setPointSizeF(pointSize);
    edit_->setFont(font);
}

void QtTextView::setMouseHandlers(std::function<void(int, int)> mouseDown,
                                  std::function<void()> click) {
    mouseDown_ = std::move(mouseDown);
    click_ = std::move(click);
}

void QtTextView::setKeyHandler(std::function<bool(int)> handler) {
    keyHandler_ = std::move(handler);
}

void QtTextView::setFocusHandler(std::function<void()> handler) {
    focusHandler_ = std::move(handler);
}

void QtTextView::place(const TwipRect& rect) {
    if (edit_)
        edit_->setGeometry(twipsToPixels(rect.left), twipsToPixels(rect.top),
                           twipsToPixels(rect.width), twipsToPixels(rect.height));
}

void QtTextView::appendLine(const std::vector<TextRun>& runs) {
    queued_.push_back(runs);
    dropQueuedBeyondLimit();
    if (!flushTimer_.isActive())
        flushTimer_.start(flushDelay());
}

int QtTextView::flushDelay() const {
    if (!sinceFlush_.isValid())
        return 0;
    const qint64 gap = std::max(FlushGapMs, GapPerLayoutTime * lastFlushMs_);
    return static_cast<int>(std::max<qint64>(0, gap - sinceFlush_.elapsed()));
}

void QtTextView::dropQueuedBeyondLimit() const {
    if (lineLimit_ <= 0)
        return;
    while (queued_.size() > static_cast<std::size_t>(lineLimit_))
        queued_.pop_front();
}

int QtTextView::documentLines() const {
    const QTextDocument* doc = edit_->document();
    return empty_ && doc->isEmpty() ? 0 : doc->blockCount();
}

void QtTextView::flush() const {
    flushTimer_.stop();
    if (!edit_ || queued_.empty())
        return;
    sinceFlush_.start();
    // The document drops its oldest blocks beyond the limit by itself once
    // the edit block ends; a reader who scrolled up keeps their place.
    const int total = documentLines() + static_cast<int>(queued_.size());
    const int dropped = lineLimit_ > 0 ? std::min(total - lineLimit_, documentLines()) : 0;
    const int shift = following_ || dropped <= 0 ? 0 : heightOfOldest(dropped);
    QTextCursor cursor(edit_->document());
    cursor.beginEditBlock();
    insertQueued(cursor);
    cursor.endEditBlock();
    lastFlushMs_ = sinceFlush_.elapsed();
    if (shift > 0)
        edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->value() - shift);
}

int QtTextView::heightOfOldest(int count) const {
    const QTextDocument* doc = edit_->document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    const QTextBlock firstKept = doc->findBlockByNumber(count);
    if (!firstKept.isValid())
        return 0;
    const qreal top = layout->blockBoundingRect(doc->firstBlock()).top();
    return static_cast<int>(layout->blockBoundingRect(firstKept).top() - top);
}

void QtTextView::insertQueued(QTextCursor& cursor) const {
    cursor.movePosition(QTextCursor::End);
    for (const Line& line : queued_) {
        if (documentLines() > 0)
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        empty_ = false;
        for (const TextRun& run : line)
            cursor.insertText(displayable(run.text), formatFor(run.attr));
    }
    queued_.clear();
}

const QTextCharFormat& QtTextView::formatFor(const TextAttr& attr) const {
    const quint32 key = formatKey(attr);
    auto it = formats_.find(key);
    if (it == formats_.end()) {
        QTextCharFormat format;
        format.setForeground(QColor(QRgb(attr.rgb)));
        format.setFontWeight(attr.bold ? QFont::Bold : QFont::Normal);
        format.setFontUnderline(attr.underline);
        it = formats_.insert(key, format);
    }
    return *it;
}

std::string QtTextView::text() const {
    flush();
    return edit_ ? plainText(*edit_->document()).toStdString() : std::string();
}

void QtTextView::clear() {
    queued_.clear();
    flushTimer_.stop();
    if (!edit_)
        return;
    edit_->clear();
    empty_ = true;
    following_ = true;
}

void QtTextView::deleteRange(int start, int length) {
    flush();
    if (!edit_ || start < 0 || length <= 0)
        return;
    const QString all = plainText(*edit_->document());
    const int from = positionOfCodePoint(all, start);
    const int to = from + positionOfCodePoint(all.mid(from), length);
    QTextCursor cursor(edit_->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void QtTextView::setCaret(int codePointIndex) {
    flush();
    if (!edit_ || codePointIndex < 0)
        return;
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(positionOfCodePoint(plainText(*edit_->document()), codePointIndex));
    edit_->setTextCursor(cursor);
}

int QtTextView::charIndexAt(int xPixels, int yPixels) const {
    flush();
    if (!edit_)
        return -1;
    const QPointF point(xPixels + edit_->horizontalScrollBar()->value(),
                        yPixels + edit_->verticalScrollBar()->value());
    const int hit = edit_->document()->documentLayout()->hitTest(point, Qt::FuzzyHit);
    if (hit < 0)
        return -1;
    for (const int position : {hit, hit - 1}) {
        if (position >= 0 && isCharacterAt(position, point))
            return codePointIndex(plainText(*edit_->document()), position);
    }
    return -1;
}

// True when `point` (document coordinates) lies on the character that
// starts at document position `position`.
bool QtTextView::isCharacterAt(int position, const QPointF& point) const {
    const QTextBlock block = edit_->document()->findBlock(position);
    const int inBlock = position - block.position();
    if (!block.isValid() || inBlock >= block.length() - 1 || block.layout() == nullptr)
        return false;
    const QTextLayout& layout = *block.layout();
    const QTextLine line = layout.lineForTextPosition(inBlock);
    if (!line.isValid())
        return false;
    const QPointF origin = layout.position();
    const qreal top = origin.y() + line.y();
    const qreal leading = origin.x() + line.cursorToX(inBlock, QTextLine::Leading);
    const qreal trailing = origin.x() + line.cursorToX(inBlock, QTextLine::Trailing);
    return point.y() >= top && point.y() < top + line.height() &&
           point.x() >= std::min(leading, trailing) && point.x() < std::max(leading, trailing);
}

void QtTextView::setCustomPointer(bool custom) {
    if (edit_)
        edit_->viewport()->setCursor(custom ? QCursor(Qt::PointingHandCursor) : defaultPointer_);
}

void QtTextView::setLineLimit(int maxLines) {
    lineLimit_ = std::max(0, maxLines);
    dropQueuedBeyondLimit();
    if (edit_)
        edit_->document()->setMaximumBlockCount(lineLimit_);
}

void QtTextView::followEnd(int maximum) {
    if (following_)
        edit_->verticalScrollBar()->setValue(maximum);
}

bool QtTextView::eventFilter(QObject* watched, QEvent* event) {
    if (!edit_)
        return false;
    if (watched == edit_->viewport())
        return viewportEvent(event);
    if (watched != edit_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyEvent(event);
    case QEvent::InputMethod:
        return inputMethodEvent(event);
    case QEvent::FocusIn:
        if (focusHandler_)
            focusHandler_();
        return false;
    default:
        return false;
    }
}

bool QtTextView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        pressedAt_ = mouse->position().toPoint();
        if (mouseDown_)
            mouseDown_(pressedAt_.x(), pressedAt_.y());
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint moved = mouse->position().toPoint() - pressedAt_;
        if (mouse->button() == Qt::LeftButton &&
            moved.manhattanLength() < QApplication::startDragDistance() && click_)
            click_();
    }
    return false;
}

bool QtTextView::keyEvent(QEvent* event) {
    if (!keyHandler_)
        return false;
    const int code = characterCode(*static_cast<QKeyEvent*>(event));
    if (code == 0)
        return false;
    const bool swallowed = keyHandler_(code);
    return swallowed || code == 13 || code == 10;
}

bool QtTextView::inputMethodEvent(QEvent* event) {
    if (!keyHandler_)
        return false;
    const QList<uint> typed = static_cast<QInputMethodEvent*>(event)->commitString().toUcs4();
    return !typed.isEmpty() && keyHandler_(static_cast<int>(typed.first()));
}

} // namespace vz
