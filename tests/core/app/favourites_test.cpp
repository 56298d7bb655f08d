#include "app/frm_main.h"
#include "app/menu_commands.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <functional>

namespace vz {
namespace {

class FavouritesTest : public ::testing::Test {
public:
    FavouritesTest() {
        world.startSignedOn();
        world.news();
    }
    frmChannels& dialog() { return world.app->channels(); }
    fake::FakeFavouritesView& view() { return *world.ui.favourites; }
    fake::FakeChannelEditorView& editor() { return *world.ui.channelEditor; }
    void open(const std::string& file) {
        world.files.files[frmChannels::FileName] = file;
        MenuFavourites(*world.app);
    }
    void save(const std::string& channel, const std::string& description) {
        editor().channelLine.value = channel;
        editor().descriptionLine.value = description;
        dialog().onEditorSave();
    }
    fake::FakeWorld world;
};

// Each row opens the dialog over a file, edits the list and reads the file
// and the selected-channel box back.
TEST_F(FavouritesTest, ListEditsReachTheFile) {
    using Edit = std::function<void(FavouritesTest&)>;
    const std::tuple<const char*, const char*, Edit, const char*, const char*> rows[] = {
        {"add with a description", "",
         [](auto& t) {
             t.dialog().onButton("btnAdd");
             t.save("#a", "Alpha");
         },
         "#a<Alpha>\r\n", "#a"},
        {"add to a file without its last line end", "#a",
         [](auto& t) {
             t.dialog().onButton("btnAdd");
             t.save("#b", "");
         },
         "#a\r\n#b\r\n", "#b"},
        {"edit with nothing selected", "#a\r\n",
         [](auto& t) {
             t.dialog().onButton("btnEdit");
             t.save("#x", "");
         },
         "#a\r\n", "#x"},
        {"edit the selected entry", "#a\r\n#b<B>\r\n",
         [](auto& t) {
             t.view().list.selected = 1;
             t.dialog().onButton("btnEdit");
             EXPECT_EQ(t.editor().channelLine.value + "|" + t.editor().descriptionLine.value,
                       "#b|B");
             t.save("#c", "C");
         },
         "#a\r\n#c<C>\r\n", "#c"},
        {"delete the selected entry", "#a\r\n#b\r\n",
         [](auto& t) {
             t.view().list.selected = 0;
             t.dialog().onButton("btnDelete");
         },
         "#b\r\n", ""},
        {"delete with nothing selected rewrites", "#a\n\n#b",
         [](auto& t) { t.dialog().onButton("btnDelete"); }, "#a\r\n#b\r\n", ""},
    };
    for (const auto& [name, file, edit, after, selected] : rows) {
        SCOPED_TRACE(name);
        open(file);
        edit(*this);
        EXPECT_EQ(world.files.files[frmChannels::FileName], after);
        EXPECT_EQ(view().selectedLine.value, selected);
        std::string rows;
        for (const std::string& row : view().list.rows)
            rows += row + "\r\n";
        EXPECT_EQ(rows, after);
    }
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
}

} // namespace
} // namespace vz
