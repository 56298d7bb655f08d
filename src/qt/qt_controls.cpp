// Qt controls: input line, list box and MDI child window.
#include "qt_controls.h"

#include "qt_key_codes.h"
#include "text/utf8.h"
#include "twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>

namespace vz {
namespace {

QRect pixelRect(const TwipRect& rect) {
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

bool isMouseButtonEvent(const QEvent* event) {
    const QEvent::Type type = event->type();
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
           type == QEvent::MouseButtonRelease;
}

bool isRightButton(const QEvent* event) {
    return static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
}

} // namespace

QtLineEdit::QtLineEdit(QWidget* parent) : edit_(new QLineEdit(parent)) {
    edit_->installEventFilter(this);
}

void QtLineEdit::place(const TwipRect& rect) {
    if (edit_)
        edit_->setGeometry(pixelRect(rect));
}

std::string QtLineEdit::text() const {
    return edit_ ? edit_->text().toStdString() : std::string();
}

void QtLineEdit::setText(const std::string& text) {
    if (edit_)
        edit_->setText(QString::fromStdString(text));
}

void QtLineEdit::setCaret(int codePointIndex) {
    if (!edit_ || codePointIndex < 0)
        return;
    const std::string before = utf8::left(edit_->text().toStdString(), codePointIndex);
    edit_->setCursorPosition(static_cast<int>(QString::fromStdString(before).size()));
}

void QtLineEdit::focus() {
    if (edit_)
        edit_->setFocus(Qt::OtherFocusReason);
}

// The event type is checked first: a widget being destroyed still sends events
// through the filter, and comparing it with edit_ would cast it to a
// QLineEdit it no longer is.
bool QtLineEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != edit_ || !key_)
        return false;
    const int code = characterCode(*static_cast<QKeyEvent*>(event));
    return code != 0 && key_(code);
}

// Rows of one font are alike in height: the list is laid out without
// measuring each of its (maybe tens of thousands of) rows.
QtListBox::QtListBox(QWidget* parent) : list_(new QListWidget(parent)) {
    list_->setUniformItemSizes(true);
    list_->viewport()->installEventFilter(this);
}

void QtListBox::setHandlers(std::function<void(int)> click, std::function<void(int)> doubleClick,
                            std::function<void()> rightRelease) {
    connect(list_, &QListWidget::itemClicked, this,
            [this, click = std::move(click)](QListWidgetItem* item) { click(list_->row(item)); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this, doubleClick = std::move(doubleClick)](QListWidgetItem* item) {
                doubleClick(list_->row(item));
            });
    rightRelease_ = std::move(rightRelease);
}

void QtListBox::place(const TwipRect& rect) {
    if (list_)
        list_->setGeometry(pixelRect(rect));
}

int QtListBox::count() const {
    return list_ ? list_->count() : 0;
}

std::string QtListBox::row(int index) const {
    const QListWidgetItem* item = list_ ? list_->item(index) : nullptr;
    return item ? item->text().toStdString() : std::string();
}

void QtListBox::addRow(const std::string& text) {
    if (list_)
        list_->addItem(QString::fromStdString(text));
}

void QtListBox::setRow(int index, const std::string& text) {
    if (index == count())
        addRow(text);
    else if (QListWidgetItem* item = list_ ? list_->item(index) : nullptr)
        item->setText(QString::fromStdString(text));
}

void QtListBox::removeRow(int index) {
    if (list_ && index >= 0 && index < list_->count())
        delete list_->takeItem(index);
}

void QtListBox::clear() {
    if (list_)
        list_->clear();
}

void QtListBox::setToolTip(const std::string& text) {
    if (list_)
        list_->setToolTip(QString::fromStdString(text));
}

int QtListBox::selectedIndex() const {
    return list_ && list_->currentItem() != nullptr && list_->currentItem()->isSelected()
               ? list_->currentRow()
               : -1;
}

// Only mouse button events are looked at: the viewport sends others while the
// list is being destroyed, when list_ no longer points to a QListWidget.
bool QtListBox::eventFilter(QObject* watched, QEvent* event) {
    if (!isMouseButtonEvent(event) || !list_ || watched != list_->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return isRightButton(event);
    case QEvent::MouseButtonRelease:
        if (!isRightButton(event))
            return false;
        if (rightRelease_)
            rightRelease_();
        return true;
    default:
        return false;
    }
}

void QtSubWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (close_)
        close_();
}

QtChildWindow::QtChildWindow(QMdiArea& area, QSize initialPixels)
    : area_(area), sub_(new QtSubWindow), client_(new QWidget) {
    sub_->setAttribute(Qt::WA_DeleteOnClose, false);
    sub_->setWindowIcon(QIcon(QStringLiteral(":/icons/window2.svg")));
    sub_->setWidget(client_);
    area_.addSubWindow(sub_);
    sub_->resize(initialPixels);
    sub_->hide();
    client_->installEventFilter(this);
}

// The area reports activation while the sub-window is being destroyed; the
// handlers must not run then (nor compare with a half-destroyed window).
QtChildWindow::~QtChildWindow() {
    QObject::disconnect(&area_, nullptr, sub_, nullptr);
    delete sub_.data();
}

void QtChildWindow::setCloseHandler(std::function<void()> handler) {
    if (sub_)
        sub_->setCloseHandler(std::move(handler));
}

void QtChildWindow::setResizeHandler(std::function<void()> handler) {
    resize_ = std::move(handler);
}

void QtChildWindow::setActivateHandler(std::function<void()> handler) {
    connect(&area_, &QMdiArea::subWindowActivated, sub_,
            [this, handler = std::move(handler)](QMdiSubWindow* window) {
                if (window == sub_)
                    handler();
            });
}

void QtChildWindow::setDeactivateHandler(std::function<void()> handler) {
    connect(&area_, &QMdiArea::subWindowActivated, sub_,
            [this, handler = std::move(handler)](QMdiSubWindow* window) {
                if (window != sub_)
                    handler();
            });
}

// The title keeps what the logic set; the frame shows it without control
// characters (a caption missing from the language file reads as code 0).
void QtChildWindow::setTitle(const std::string& title) {
    title_ = title;
    if (titleQueued_)
        return;
    titleQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            titleQueued_ = false;
            QString shown = QString::fromStdString(title_);
            shown.removeIf([](QChar c) { return c.unicode() < 0x20; });
            if (sub_)
                sub_->setWindowTitle(shown);
        },
        Qt::QueuedConnection);
}

std::string QtChildWindow::title() const {
    return title_;
}

// A sub-window activates itself, and takes the focus, whenever it is shown,
// unless it is disabled then. Showing one must leave the active window and
// the keyboard focus where they are; only activate() moves them.
void QtChildWindow::show() {
    if (!sub_ || !sub_->isHidden())
        return;
    sub_->setEnabled(false);
    sub_->show();
    sub_->setEnabled(true);
}

// The MDI area would go on naming a hidden window as its active one.
void QtChildWindow::hide() {
    if (!sub_)
        return;
    if (area_.activeSubWindow() == sub_)
        area_.setActiveSubWindow(nullptr);
    sub_->hide();
}

bool QtChildWindow::isVisible() const {
    return sub_ && !sub_->isHidden();
}

void QtChildWindow::activate() {
    if (!sub_)
        return;
    area_.setActiveSubWindow(sub_);
    sub_->raise();
}

TwipSize QtChildWindow::clientSize() const {
    if (!sub_ || !client_)
        return {};
    // A resize still pending in the layout would report the old size.
    if (sub_->layout())
        sub_->layout()->activate();
    return {pixelsToTwips(client_->width()), pixelsToTwips(client_->height())};
}

int QtChildWindow::outerWidth() const {
    return sub_ ? pixelsToTwips(sub_->width()) : 0;
}

bool QtChildWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && resize_)
        resize_();
    return false;
}

} // namespace vz
