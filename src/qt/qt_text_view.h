// Qt rich text view: appends coloured runs in batches and keeps the scrollback bound.
#pragma once

#include "platform/controls.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

namespace vz {

// A rich text view over a QTextEdit. Appended lines are queued and inserted
// at the next event-loop turn (at most every few tens of milliseconds while
// lines keep coming) in one edit block with shared formats, so a flood costs
// a few layout passes instead of one per run. Every read sees the queued
// lines too.
class QtTextView final : public QObject, public TextView {
public:
    explicit QtTextView(QWidget* parent);

    // Turns the view into a one-line, editable box in a font of `pointSize`
    // whose keys go to the key handler.
    void makeOneLineBox(double pointSize);

    // Mouse button pressed over the text (viewport pixels); left click
    // released without dragging.
    void setMouseHandlers(std::function<void(int, int)> mouseDown, std::function<void()> click);
    // Receives the character code of each key typed into an editable box;
    // returning true swallows the key. Enter never inserts a line break.
    void setKeyHandler(std::function<bool(int)> handler);
    void setFocusHandler(std::function<void()> handler);

    QTextEdit* widget() const { return edit_; }
    // Applies the queued lines now.
    void flush() const;

    void place(const TwipRect& rect) override;
    void appendLine(const std::vector<TextRun>& runs) override;
    std::string text() const override;
    void clear() override;
    void deleteRange(int start, int length) override;
    void setCaret(int codePointIndex) override;
    int charIndexAt(int xPixels, int yPixels) const override;
    void setCustomPointer(bool custom) override;
    void setLineLimit(int maxLines) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Line = std::vector<TextRun>;

    int flushDelay() const;
    void dropQueuedBeyondLimit() const;
    int documentLines() const;
    int heightOfOldest(int count) const;
    void insertQueued(QTextCursor& cursor) const;
    const QTextCharFormat& formatFor(const TextAttr& attr) const;
    bool isCharacterAt(int position, const QPointF& point) const;
    // Keeps the view at its end while it follows new lines.
    void followEnd(int maximum);
    bool viewportEvent(QEvent* event);
    bool keyEvent(QEvent* event);
    bool inputMethodEvent(QEvent* event);

    QPointer<QTextEdit> edit_;
    QCursor defaultPointer_;
    mutable QTimer flushTimer_;
    mutable QElapsedTimer sinceFlush_;
    // How long the last batch took to insert and lay out.
    mutable qint64 lastFlushMs_ = 0;
    mutable std::deque<Line> queued_;
    mutable QHash<quint32, QTextCharFormat> formats_;
    // No line was added since the view was made or cleared.
    mutable bool empty_ = true;
    int lineLimit_ = 0;
    bool following_ = true;
    QPoint pressedAt_;
    std::function<void(int, int)> mouseDown_;
    std::function<void()> click_;
    std::function<bool(int)> keyHandler_;
    std::function<void()> focusHandler_;
};

} // namespace vz
