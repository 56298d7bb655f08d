// The main window's widgets, wired to the logic's menu and toolbar commands.
#pragma once

#include "platform/main_window_view.h"

#include <QMainWindow>

#include <map>
#include <string>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace vz {

class frmMain;

// The main window: the multiple-document area, the menu bar, the six-button
// toolbar and the status bar with its clock. Each menu entry and toolbar
// button runs one command of the logic given by attach().
class QtMainWindow : public QMainWindow, public MainWindowView {
public:
    QtMainWindow();
    ~QtMainWindow() override;

    void attach(frmMain& logic) { main_ = &logic; }
    QMdiArea& mdiArea() { return *mdi_; }
    // The nick list's pop-up menu (mnuUser), which the menu bar does not show.
    QMenu* userMenu() { return userMenu_; }

    void show() override { QMainWindow::show(); }
    void setCaption(const std::string& caption) override;
    std::string caption() const override;
    void setIcon(int image) override;

    TwipRect geometry() const override;
    void setTop(int twips) override;
    void setLeft(int twips) override;
    void setWidth(int twips) override;
    void setHeight(int twips) override;
    bool isMinimized() const override;
    bool isActive() const override { return isActiveWindow(); }
    void alert() override;

    void setMenuCaption(const std::string& name, const std::string& caption) override;
    void setMenuEnabled(const std::string& name, bool enabled) override;
    bool isMenuEnabled(const std::string& name) const override;
    void setToolButtonImage(int button, int image) override;
    void setToolButtonToolTip(int button, const std::string& toolTip) override;

    void arrange(Arrangement arrangement) override;
    void messageBox(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    void close() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using Command = void (*)(frmMain&);
    struct Entry {
        const char* name;
        const char* caption;
        Command command;
    };

    void buildMenuBar();
    QMenu* buildMenu(QMenu* menu, const char* name, const char* caption,
                     std::initializer_list<Entry> entries);
    void buildToolBar();
    void buildStatusBar();
    QAction* findAction(const std::string& name) const;
    QAction* toolButton(int button) const;
    QList<QMdiSubWindow*> arrangeableWindows() const;
    void cascadeWindows();
    void tile(Qt::Orientation orientation);
    void showTime();

    // Runs a menu or toolbar command on the attached logic.
    void run(Command command);

    frmMain* main_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    QMenu* userMenu_ = nullptr;
    QLabel* clock_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    std::map<std::string, QAction*> actions_;
    std::map<int, QAction*> toolButtons_;
    bool shutDown_ = false;
};

} // namespace vz
