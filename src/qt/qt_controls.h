// Qt controls: input line, list box and MDI child window.
#pragma once

#include "platform/controls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>

#include <functional>

namespace vz {

// A one-line input over a QLineEdit. Each key press goes first to the key
// handler as its character code; a key the handler swallows never reaches
// the widget.
class QtLineEdit final : public QObject, public LineEdit {
public:
    explicit QtLineEdit(QWidget* parent);

    void setKeyHandler(std::function<bool(int)> handler) { key_ = std::move(handler); }
    QLineEdit* widget() const { return edit_; }

    void place(const TwipRect& rect) override;
    std::string text() const override;
    void setText(const std::string& text) override;
    void setCaret(int codePointIndex) override;
    void focus() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> edit_;
    std::function<bool(int)> key_;
};

// A list of text rows over a QListWidget. A right button press does not
// change the selection; its release is reported on its own.
class QtListBox final : public QObject, public ListBox {
public:
    explicit QtListBox(QWidget* parent);

    void setHandlers(std::function<void(int)> click, std::function<void(int)> doubleClick,
                     std::function<void()> rightRelease);
    QListWidget* widget() const { return list_; }

    void place(const TwipRect& rect) override;
    int count() const override;
    std::string row(int index) const override;
    void addRow(const std::string& text) override;
    void setRow(int index, const std::string& text) override;
    void removeRow(int index) override;
    void clear() override;
    void setToolTip(const std::string& text) override;
    int selectedIndex() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QListWidget> list_;
    std::function<void()> rightRelease_;
};

// An MDI sub-window that is never deleted by closing: the close goes to a
// handler, which decides whether the window hides.
class QtSubWindow final : public QMdiSubWindow {
public:
    void setCloseHandler(std::function<void()> handler) { close_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> close_;
};

// A child window of the main window's MDI area. Its client widget holds the
// controls, which the logic places in twips.
class QtChildWindow final : public QObject, public ChildWindow {
public:
    QtChildWindow(QMdiArea& area, QSize initialPixels);
    ~QtChildWindow() override;

    QWidget* client() const { return client_; }
    QMdiSubWindow* subWindow() const { return sub_; }
    void setCloseHandler(std::function<void()> handler);
    void setResizeHandler(std::function<void()> handler);
    // Runs `handler` each time this window becomes the active child.
    void setActivateHandler(std::function<void()> handler);
    // Runs `handler` each time another window, or none, becomes the active child.
    void setDeactivateHandler(std::function<void()> handler);

    void setTitle(const std::string& title) override;
    std::string title() const override;
    void show() override;
    void hide() override;
    bool isVisible() const override;
    void activate() override;
    TwipSize clientSize() const override;
    int outerWidth() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiArea& area_;
    QPointer<QtSubWindow> sub_;
    QPointer<QWidget> client_;
    std::function<void()> resize_;
    std::string title_;
};

} // namespace vz
