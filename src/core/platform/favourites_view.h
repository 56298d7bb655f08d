// The favourite channels dialog and its channel editor as the logic sees them.
#pragma once

#include "platform/controls.h"

#include <string>

namespace vz {

class FavouritesViewEvents {
public:
    virtual void onEntryClick(int row) = 0;
    virtual void onEntryDoubleClick(int row) = 0;
    // A button, by its control name: "btnJoin", "btnInfo", "btnJoinTo",
    // "btnAdd", "btnEdit", "btnDelete" or "btnClose".
    virtual void onButton(const std::string& name) = 0;
    // A key typed in the typed-channel box; true swallows it.
    virtual bool onChannelKey(int character) = 0;
    // The dialog was closed, by any means.
    virtual void onClosed() = 0;

protected:
    ~FavouritesViewEvents() = default;
};

class FavouritesView {
public:
    virtual ~FavouritesView() = default;
    virtual ListBox& entries() = 0;
    // The channel of the selected entry.
    virtual LineEdit& selectedChannel() = 0;
    // A channel typed by hand.
    virtual LineEdit& typedChannel() = 0;
    virtual CheckBox& openAfterConnecting() = 0;
    // The caption of a button, frame or check box, by its control name.
    virtual void setCaption(const std::string& control, const std::string& text) = 0;
    // A modal dialog holds the user's input to the main window but returns
    // at once: events go on being handled.
    virtual void show(bool modal) = 0;
    // Closes the dialog without reporting onClosed.
    virtual void close() = 0;
};

class ChannelEditorEvents {
public:
    // The editor's add (or save) button.
    virtual void onEditorSave() = 0;
    virtual void onEditorCancel() = 0;

protected:
    ~ChannelEditorEvents() = default;
};

class ChannelEditorView {
public:
    virtual ~ChannelEditorView() = default;
    virtual LineEdit& channel() = 0;
    virtual LineEdit& description() = 0;
    virtual void setCaption(const std::string& control, const std::string& text) = 0;
    virtual void show(bool modal) = 0;
    virtual void close() = 0;
};

} // namespace vz
