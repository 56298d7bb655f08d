// The favourite channels dialog and the channel editor.
#pragma once

#include "platform/favourites_view.h"
#include "qt_controls.h"
#include "qt_dialog_controls.h"

#include <QDialog>
#include <QPointer>

#include <memory>

namespace vz {

// The favourite channels, a box for a channel typed by hand and the check
// box that opens the dialog after connecting. Escape and the close box close
// it like the close button.
class QtFavouritesView final : public FavouritesView {
public:
    QtFavouritesView(QWidget* parent, FavouritesViewEvents& events);
    ~QtFavouritesView() override;

    ListBox& entries() override { return *list_; }
    LineEdit& selectedChannel() override { return *selected_; }
    LineEdit& typedChannel() override { return *typed_; }
    CheckBox& openAfterConnecting() override { return *check_; }
    void setCaption(const std::string& control, const std::string& text) override {
        setDialogCaption(*dialog_, control, text);
    }
    void show(bool modal) override { showDialog(*dialog_, modal); }
    void close() override { dialog_->hide(); }

    QDialog* dialog() const { return dialog_; }

private:
    QPointer<QDialog> dialog_;
    std::unique_ptr<QtListBox> list_;
    std::unique_ptr<QtLineEdit> selected_;
    std::unique_ptr<QtLineEdit> typed_;
    std::unique_ptr<QtCheckBox> check_;
};

// A channel, its description and a password box that nothing reads.
class QtChannelEditorView final : public ChannelEditorView {
public:
    QtChannelEditorView(QWidget* parent, ChannelEditorEvents& events);
    ~QtChannelEditorView() override;

    LineEdit& channel() override { return *channel_; }
    LineEdit& description() override { return *description_; }
    void setCaption(const std::string& control, const std::string& text) override {
        setDialogCaption(*dialog_, control, text);
    }
    void show(bool modal) override { showDialog(*dialog_, modal); }
    void close() override { dialog_->hide(); }

    QDialog* dialog() const { return dialog_; }

private:
    QPointer<QDialog> dialog_;
    std::unique_ptr<QtLineEdit> channel_;
    std::unique_ptr<QtLineEdit> description_;
};

} // namespace vz
