// The list window: channel lists, WHOIS answers and names listings.
#pragma once

#include "platform/window_views.h"

#include <memory>
#include <string>

namespace vz {

class WindowHost;

// The list window: channel lists, WHOIS answers and names listings.
class frmList : public ListViewEvents {
public:
    explicit frmList(WindowHost& main);

    int intCount = 0; // next row to write

    // Builds the view when needed (laid out), empties the list and sets
    // intCount to 0. The window is not shown.
    void openEmpty();
    // Shows the finished listing in front, as the user asked for it.
    void show();
    // Empties the list, sets intCount to 0 and hides the window, when it was
    // ever made. The window stays for reuse; show() brings it back.
    void close();
    ChildWindow& window();
    ListBox& lstList();

    // What the list window is showing; each kind has its own caption.
    enum class Kind { List, Whois, Names };

    // Writes row `intRow` (appending when it is the next one), sets intCount
    // to the row after it and the caption for `kind`. A names row holds the
    // channel and all its names; it is replaced by one row per name.
    void ShowInList(const std::string& strText, int intRow, Kind kind);
    // The "#" runs of an entry up to their blanks, joined; the entry's last
    // character is never looked at.
    static std::string LoadChannel(const std::string& str);

    // Events forwarded by the view.
    void onResize() override;
    void onActivated() override;
    void onClick(int row) override;
    void onDoubleClick(int row) override;
    void onClose() override;

private:
    void layout();
    void setRow(int row, const std::string& text);
    void writeNames(const std::string& strText, int intRow);
    std::string listCaption();
    ListWindowView& view();

    WindowHost& main_;
    std::unique_ptr<ListWindowView> view_;
    std::string strListChannel;
};

} // namespace vz
