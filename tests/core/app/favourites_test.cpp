#include "app/menu_commands.h"
#include "config/list_file.h"
#include "fakes/fake_platform.h"
#include "text/words.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class FavouritesTest : public ::testing::Test {
public:
    frmChannels& dialog() { return world.app->channels(); }
    fake::FakeFavouritesView& view() { return *world.ui.favourites; }
    fake::FakeChannelEditorView& editor() { return *world.ui.channelEditor; }
    void open(const std::string& file) {
        world.files.files[frmChannels::FileName] = file;
        MenuFavourites(*world.app);
    }
    fake::SignedOnWorld world;
};

// Each row opens the dialog over a file, picks an entry (-1: none), presses
// a button, checks what the editor opened with ("channel|description";
// nullptr: not checked), saves an entry typed there ("channel<description>";
// nullptr: none), and reads the file and the selected-channel box back.
TEST_F(FavouritesTest, ListEditsReachTheFile) {
    struct Row {
        const char *name, *file;
        int pick;
        const char *button, *opened, *saved, *after, *selected;
    };
    const Row rows[] = {
        {"add with a description", "", -1, "btnAdd", nullptr, "#a<Alpha>", "#a<Alpha>\r\n", "#a"},
        {"add to a file without its last line end", "#a", -1, "btnAdd", nullptr, "#b",
         "#a\r\n#b\r\n", "#b"},
        {"edit with nothing selected", "#a\r\n", -1, "btnEdit", nullptr, "#x", "#a\r\n", "#x"},
        {"edit the selected entry", "#a\r\n#b<B>\r\n", 1, "btnEdit", "#b|B", "#c<C>",
         "#a\r\n#c<C>\r\n", "#c"},
        {"delete the selected entry", "#a\r\n#b\r\n", 0, "btnDelete", nullptr, nullptr, "#b\r\n",
         ""},
        {"delete with nothing selected rewrites", "#a\n\n#b", -1, "btnDelete", nullptr, nullptr,
         "#a\r\n#b\r\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        open(row.file);
        view().list.selected = row.pick;
        dialog().onButton(row.button);
        if (row.opened != nullptr) {
            EXPECT_EQ(editor().channelLine.value + "|" + editor().descriptionLine.value,
                      row.opened);
        }
        if (row.saved != nullptr) {
            editor().channelLine.value = BeforeAngle(row.saved);
            editor().descriptionLine.value = InsideAngle(row.saved);
            dialog().onEditorSave();
            EXPECT_FALSE(editor().visible);
        }
        EXPECT_EQ(world.files.files[frmChannels::FileName], row.after);
        EXPECT_EQ(view().selectedLine.value, row.selected);
        EXPECT_EQ(view().list.rows, ReadListFile(world.files, frmChannels::FileName));
    }
    dialog().onButton("btnAdd");
    dialog().onEditorCancel();
    EXPECT_FALSE(editor().visible);
}

TEST_F(FavouritesTest, RequestsCloseTheDialogAndTheCheckBoxIsStoredOnEveryClose) {
    world.files.files["trans.ini"] = "[Raskl]\r\ns1=q\r\nr=\r\ns2=й\r\n";
    open("#kyiv<Ukraine>\r\n");
    EXPECT_EQ(view().captions["btnClose"], "");
    view().check.checked = true;
    dialog().onEntryDoubleClick(0);
    EXPECT_FALSE(view().visible);
    EXPECT_NE(world.files.files["vuvivaz.ini"].find("[Connect]\r\nOpenChannelsForm=1\r\n"),
              std::string::npos);
    dialog().Show(false);
    EXPECT_TRUE(view().check.checked);
    dialog().onButton("btnInfo");
    view().typedLine.value = "#q";
    EXPECT_TRUE(dialog().onChannelKey(19));
    EXPECT_EQ(view().typedLine.value, "#й");
    EXPECT_FALSE(dialog().onChannelKey(18));
    EXPECT_TRUE(dialog().onChannelKey(13));
    EXPECT_EQ(world.news(), "sent: JOIN #kyiv\nsent: \nsent: names #kyiv\nsent: JOIN #й\nsent: \n"
                            "Status:  join\nStatus:  names\nStatus:  join\n");
    view().check.checked = false;
    dialog().onClosed();
    EXPECT_NE(world.files.files["vuvivaz.ini"].find("OpenChannelsForm=0\r\n"), std::string::npos);
}

} // namespace
} // namespace vz
