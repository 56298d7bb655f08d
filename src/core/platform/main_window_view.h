// The main window as the logic drives it, and the ways to arrange its children.
#pragma once

#include "platform/geometry.h"

#include <string>

namespace vz {

enum class Arrangement { Cascade, TileVertical, TileHorizontal };

// The main window: frame, menus, toolbar and status bar.
class MainWindowView {
public:
    MainWindowView() = default;
    MainWindowView(const MainWindowView&) = delete;
    MainWindowView& operator=(const MainWindowView&) = delete;
    virtual ~MainWindowView() = default;

    // Shows the main window; start-up does it once the position is restored.
    virtual void show() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;
    // Icon 1 idle, 2 connected, 3 ident error, 4 server error.
    virtual void setIcon(int image) = 0;

    // Outer geometry without the frame, in twips.
    virtual TwipRect geometry() const = 0;
    virtual void setTop(int twips) = 0;
    virtual void setLeft(int twips) = 0;
    virtual void setWidth(int twips) = 0;
    virtual void setHeight(int twips) = 0;
    virtual bool isMinimized() const = 0;
    // True while the main window is the desktop's active window.
    virtual bool isActive() const = 0;
    // Marks the main window for the user's attention, as the desktop does it.
    virtual void alert() = 0;

    // Menu entries are named as the program names them ("mnuJoin").
    virtual void setMenuCaption(const std::string& name, const std::string& caption) = 0;
    virtual void setMenuEnabled(const std::string& name, bool enabled) = 0;
    virtual bool isMenuEnabled(const std::string& name) const = 0;
    // Toolbar buttons 1 to 6; images 1 to 9.
    virtual void setToolButtonImage(int button, int image) = 0;
    virtual void setToolButtonToolTip(int button, const std::string& toolTip) = 0;

    virtual void arrange(Arrangement arrangement) = 0;
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // Closes the main window, which runs the shutdown.
    virtual void close() = 0;
};

} // namespace vz
