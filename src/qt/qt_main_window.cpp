// The main window's widgets, wired to the logic's menu and toolbar commands.
#include "qt_main_window.h"

#include "app/frm_main.h"
#include "app/menu_commands.h"
#include "qt_locale_format.h"
#include "qt_signals.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

// The icons live in this static library's resources, which are registered by
// hand (from outside any namespace, as Qt requires).
static void registerIcons() {
    Q_INIT_RESOURCE(resources);
}

namespace vz {

namespace {

const char* const StartDisabled[] = {"mnuList",  "mnuPrivat", "mnuJoin", "mnuWhois",
                                     "mnuTopic", "mnuNick",   "mnuPart"};

// Built-in tool tips of the six buttons until the language file names them.
const char* const ButtonToolTips[] = {"Підключитися",  "Канали", "Налаштування",
                                      "Горизонтально", "About",  "Вихід"};

// What toolbar buttons 1 to 6 do.
void (*const ButtonCommands[])(frmMain&) = {ToolbarConnect, MenuFavourites, ToolbarOptions,
                                            ToolbarArrange, MenuAbout,      ToolbarExit};

void cascade(frmMain& main) {
    MenuArrange(main, Arrangement::Cascade);
}
void tileVertical(frmMain& main) {
    MenuArrange(main, Arrangement::TileVertical);
}
void tileHorizontal(frmMain& main) {
    MenuArrange(main, Arrangement::TileHorizontal);
}

constexpr int ToolButtonCount = 6;
constexpr int ClockIntervalMs = 1000;

QIcon iconImage(int image) {
    return QIcon(QStringLiteral(":/icons/window%1.svg").arg(image));
}

QIcon toolImage(int image) {
    return QIcon(QStringLiteral(":/icons/tool%1.svg").arg(image));
}

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QtMainWindow::QtMainWindow() {
    registerIcons();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(ProgramTitle));
    setIcon(1);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    // The size the window has until [Position] says otherwise.
    resize(960, 680);
    buildMenuBar();
    buildToolBar();
    buildStatusBar();
    for (const char* name : StartDisabled)
        setMenuEnabled(name, false);
}

QtMainWindow::~QtMainWindow() = default;

void QtMainWindow::buildMenuBar() {
    QMenuBar* bar = menuBar();
    buildMenu(bar->addMenu(QString()), "mnuFile", "File",
              {{"mnuConnect", "Підключитися", MenuConnect},
               {"mnuChannel", "Канали", MenuFavourites},
               {nullptr, nullptr, nullptr},
               {"mnuExit", "Вихід", MenuExit}});
    buildMenu(bar->addMenu(QString()), "mnuCommand", "Command",
              {{"mnuServer", "Сервер", MenuServer},
               {"mnuList", "Про сервер", MenuList},
               {"mnuPrivat", "У приват", MenuPrivat},
               {"mnuJoin", "До каналу", MenuJoin},
               {"mnuWhois", "Хто такий", MenuWhois},
               {"mnuTopic", "Змінити топік", MenuTopic},
               {"mnuNick", "Змінити нік", MenuNick},
               {"mnuPart", "Залишити канал", MenuPart}});
    buildMenu(bar->addMenu(QString()), "mnuWindow", "Window",
              {{"mnuWindowCascade", "Каскадом", cascade},
               {"mnuWindowTileVertical", "Вертикально", tileVertical},
               {"mnuWindowTileHorizontal", "Горизонтально", tileHorizontal}});
    buildMenu(bar->addMenu(QString()), "mnuLogs", "Logs",
              {{"mnuChanLog", "Лог поточного каналу", MenuChannelLog},
               {"mnuPrivLog", "Лог поточного привату", MenuPrivatLog}});
    buildMenu(bar->addMenu(QString()), "mnuHelp", "Help", {{"mnuAbout", "About", MenuAbout}});
    userMenu_ = buildMenu(new QMenu(this), "mnuUser", "User",
                          {{"mnuWho", "Whois", UserMenuWho}, {"mnuMsg", "Msg", UserMenuMsg}});
}

// Fills `menu`; an entry without a name is a separator line, one without a
// command is shown but does nothing yet.
QMenu* QtMainWindow::buildMenu(QMenu* menu, const char* name, const char* caption,
                               std::initializer_list<Entry> entries) {
    menu->setObjectName(QString::fromUtf8(name));
    menu->setTitle(QString::fromUtf8(caption));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    actions_[name] = menu->menuAction();
    for (const Entry& entry : entries) {
        if (entry.name == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromUtf8(entry.name));
        actions_[entry.name] = action;
        if (entry.command != nullptr)
            connect(action, &QAction::triggered, this,
                    [this, command = entry.command]() { run(command); });
    }
    return menu;
}

void QtMainWindow::buildToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Toolbar"));
    toolBar->setObjectName(QStringLiteral("Toolbar"));
    toolBar->setMovable(false);
    for (int button = 1; button <= ToolButtonCount; ++button) {
        QAction* action = toolBar->addAction(QString::fromUtf8(ButtonToolTips[button - 1]));
        action->setObjectName(QStringLiteral("Button%1").arg(button));
        connect(action, &QAction::triggered, this,
                [this, button]() { run(ButtonCommands[button - 1]); });
        toolButtons_[button] = action;
    }
    static const int images[] = {1, 3, 4, 5, 8, 9};
    for (int button = 1; button <= ToolButtonCount; ++button)
        setToolButtonImage(button, images[button - 1]);
}

void QtMainWindow::buildStatusBar() {
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("clockPanel"));
    clock_->setToolTip(QStringLiteral("Current time"));
    statusBar()->addPermanentWidget(clock_);
    clockTimer_ = new QTimer(this);
    connect(clockTimer_, &QTimer::timeout, this, &QtMainWindow::showTime);
    clockTimer_->start(ClockIntervalMs);
    showTime();
}

void QtMainWindow::showTime() {
    clock_->setText(qText(QtLocaleFormat().timeOfDay()));
}

void QtMainWindow::setCaption(const std::string& caption) {
    setWindowTitle(qText(caption));
}

std::string QtMainWindow::caption() const {
    return windowTitle().toStdString();
}

void QtMainWindow::setIcon(int image) {
    setWindowIcon(iconImage(image));
}

TwipRect QtMainWindow::geometry() const {
    const QRect rect = QWidget::geometry();
    return {pixelsToTwips(rect.left()), pixelsToTwips(rect.top()), pixelsToTwips(rect.width()),
            pixelsToTwips(rect.height())};
}

void QtMainWindow::setTop(int twips) {
    QRect rect = QWidget::geometry();
    rect.moveTop(twipsToPixels(twips));
    QWidget::setGeometry(rect);
}

void QtMainWindow::setLeft(int twips) {
    QRect rect = QWidget::geometry();
    rect.moveLeft(twipsToPixels(twips));
    QWidget::setGeometry(rect);
}

void QtMainWindow::setWidth(int twips) {
    QRect rect = QWidget::geometry();
    rect.setWidth(std::max(0, twipsToPixels(twips)));
    QWidget::setGeometry(rect);
}

void QtMainWindow::setHeight(int twips) {
    QRect rect = QWidget::geometry();
    rect.setHeight(std::max(0, twipsToPixels(twips)));
    QWidget::setGeometry(rect);
}

bool QtMainWindow::isMinimized() const {
    return QWidget::isMinimized();
}

void QtMainWindow::alert() {
    QApplication::alert(this);
}

QAction* QtMainWindow::findAction(const std::string& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* QtMainWindow::toolButton(int button) const {
    const auto found = toolButtons_.find(button);
    return found == toolButtons_.end() ? nullptr : found->second;
}

void QtMainWindow::setMenuCaption(const std::string& name, const std::string& caption) {
    if (QAction* action = findAction(name))
        action->setText(qText(caption));
}

void QtMainWindow::setMenuEnabled(const std::string& name, bool enabled) {
    if (QAction* action = findAction(name))
        action->setEnabled(enabled);
}

bool QtMainWindow::isMenuEnabled(const std::string& name) const {
    const QAction* action = findAction(name);
    return action != nullptr && action->isEnabled();
}

void QtMainWindow::setToolButtonImage(int button, int image) {
    if (QAction* action = toolButton(button))
        action->setIcon(toolImage(image));
}

// Captions of the language file mark their access key with "&" ("&&" for
// an "&"); a tool tip shows them without it.
void QtMainWindow::setToolButtonToolTip(int button, const std::string& toolTip) {
    static const QRegularExpression accessKeyMark("&(.)");
    if (QAction* action = toolButton(button))
        action->setToolTip(qText(toolTip).replace(accessKeyMark, "\\1"));
}

void QtMainWindow::arrange(Arrangement arrangement) {
    switch (arrangement) {
    case Arrangement::Cascade:
        cascadeWindows();
        break;
    case Arrangement::TileVertical:
        tile(Qt::Horizontal);
        break;
    case Arrangement::TileHorizontal:
        tile(Qt::Vertical);
        break;
    }
}

// The visible, not minimised child windows, the active one first.
QList<QMdiSubWindow*> QtMainWindow::arrangeableWindows() const {
    QList<QMdiSubWindow*> windows;
    const QList<QMdiSubWindow*> stack = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if ((*it)->isVisible() && !(*it)->isMinimized())
            windows.append(*it);
    return windows;
}

// Stacks the child windows from the top left corner, each one title bar lower
// and to the right, at two thirds of the area. (QMdiArea's own cascade shrinks
// windows to their size hint, which leaves only title bars.)
void QtMainWindow::cascadeWindows() {
    const QList<QMdiSubWindow*> windows = arrangeableWindows();
    const QRect area = mdi_->viewport()->rect();
    const QSize size(area.width() * 2 / 3, area.height() * 2 / 3);
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
    for (qsizetype index = windows.size() - 1; index >= 0; --index) {
        QMdiSubWindow* window = windows[index];
        if (window->isMaximized())
            window->showNormal();
        const int offset = static_cast<int>(windows.size() - 1 - index) * step;
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
    }
}

// Lays the visible, not minimised child windows out in one row
// (Qt::Horizontal: side by side) or one column (Qt::Vertical: one above the
// other).
void QtMainWindow::tile(Qt::Orientation orientation) {
    const QList<QMdiSubWindow*> windows = arrangeableWindows();
    if (windows.isEmpty())
        return;
    const QRect area = mdi_->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    const bool sideBySide = orientation == Qt::Horizontal;
    const int span = sideBySide ? area.width() : area.height();
    for (int index = 0; index < count; ++index) {
        const int start = span * index / count;
        const int extent = span * (index + 1) / count - start;
        QMdiSubWindow* window = windows[index];
        if (window->isMaximized())
            window->showNormal();
        window->setGeometry(sideBySide ? QRect(start, 0, extent, area.height())
                                       : QRect(0, start, area.width(), extent));
    }
}

void QtMainWindow::messageBox(const std::string& text, const std::string& title) {
    QMessageBox::information(this, qText(title), qText(text), QMessageBox::Ok);
}

bool QtMainWindow::askYesNo(const std::string& text, const std::string& title) {
    return QMessageBox::question(this, qText(title), qText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMainWindow::close() {
    QWidget::close();
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    if (!shutDown_) {
        shutDown_ = true;
        QtSignals::noteShutdown();
        clockTimer_->stop();
        if (main_ != nullptr)
            main_->shutDown();
    }
    event->accept();
    QCoreApplication::quit();
}

void QtMainWindow::run(Command command) {
    if (main_ != nullptr)
        command(*main_);
}

} // namespace vz
