#pragma once

#include "platform/window_views.h"

#include <memory>
#include <string>

namespace vz {

class frmMain;

// The list window: channel lists, WHOIS answers and names listings.
class frmList {
public:
    explicit frmList(frmMain& main);

    int intCount = 0; // next row to write

    // Builds the view when needed, empties the list and sets intCount to 0.
    void openEmpty();
    void show();
    bool isLoaded() const { return view_ != nullptr; }
    ChildWindow& window();
    ListBox& lstList();

    // Writes a row and sets the caption; `intRow` is advanced.
    void ShowInList(const std::string& strText, int& intRow, const std::string& strKind);
    static std::string LoadChannel(const std::string& str);

    // Events forwarded by the view.
    void onResize();
    void onActivated();
    void onClick(int row);
    void onDoubleClick(int row);
    void onClose();

private:
    void layout();
    ListWindowView& view();

    frmMain& main_;
    std::unique_ptr<ListWindowView> view_;
    std::string strListChannel;
};

} // namespace vz
