// The toy panel: opening, the list, a toy's details and picture, the lottery and going home.
#include <set>

#include "WindowFixture.h"

namespace gametest {
namespace {

using Played = std::vector<std::pair<std::string, int>>;

class ToyShopTest : public WindowFixture {
  protected:
    void openShop(const std::vector<std::string>& names, std::int32_t money,
                  const std::vector<std::int32_t>& toys = {}) {
        folder.install();
        folder.writeCatalogue(names);
        folder.writeCommon(1, 0, money, toys);
        open();
        run([&] { window->selectCourse(2); });
        sound.played.clear();
        click(window->store_b);
    }
    // Sounds since the panel opened.
    Played drawSounds() { return Played(sound.played.begin() + 1, sound.played.end()); }
    void selectRow(int row) {
        window->item_list.setItemIndex(row);
        run([&] { window->item_list.onMouseDown({}); });
        run([&] { window->item_list.onMouseUp({}); });
    }
    const std::vector<std::string>& messages() { return platform.dialogs.messages; }
};

TEST_F(ToyShopTest, OpeningShowsThePanelOverTheWindowWithTheToysHeld) {
    openShop({"a", "b", "c"}, 0, {0, 2, 1});
    game::TForm1& w = *window;
    EXPECT_TRUE(w.toy_box.visible());
    EXPECT_EQ(w.toy_box.bounds().left, 0);
    EXPECT_EQ(w.toy_box.bounds().top, 0);
    EXPECT_EQ(w.item_list.items(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(w.item_list.itemIndex(), -1);
    EXPECT_EQ(sound.played, (Played{{"b.wav", 0}}));
    EXPECT_EQ(w.item_cg.picture().colourAt(85, 85), base::colours::White);
}

TEST_F(ToyShopTest, NinetyNineMoneyIsNotEnough) {
    openShop({"a"}, 99);
    click(window->Button8);
    EXPECT_EQ(messages(), std::vector<std::string>{"お金がたりないよ"});
    EXPECT_EQ(drawSounds(), (Played{{"b2.wav", 0}, {"b.wav", 0}}));
    EXPECT_EQ(my().money, 99);
    EXPECT_EQ(my().toyOwned[0], 0);
}

TEST_F(ToyShopTest, AHundredBuysOneDraw) {
    openShop({"gu-gu"}, 100);
    click(window->Button8);
    EXPECT_EQ(messages(), std::vector<std::string>{"【gu-gu】を手に入れた！"});
    EXPECT_EQ(drawSounds(), (Played{{"katan.wav", 0}, {"b.wav", 0}}));
    EXPECT_EQ(my().money, 0);
    EXPECT_EQ(my().toyOwned[0], 1);
    EXPECT_EQ(window->item_list.items(), std::vector<std::string>{"gu-gu"});
    EXPECT_EQ(window->gold_l.caption(), "0 moon円");
}

TEST_F(ToyShopTest, TheHundredthCopyStaysAtNinetyNineAndStillCosts) {
    openShop({"only"}, 500, {99});
    click(window->Button8);
    EXPECT_EQ(my().toyOwned[0], 99);
    EXPECT_EQ(my().money, 400);
}

TEST_F(ToyShopTest, ACountBeyondNinetyNineFromTheFileIsCappedNotWrapped) {
    openShop({"only"}, 100, {-1});  // loads as 255
    click(window->Button8);
    EXPECT_EQ(my().toyOwned[0], 99);
}

TEST_F(ToyShopTest, OnlyNamedToysBelowTheLastSlotAreDrawn) {
    std::vector<std::string> names(513);
    names[3] = "three";
    names[7] = "seven";
    names[512] = "never";
    openShop(names, 99999);
    std::set<std::string> won;
    for (int i = 0; i < 60; ++i) click(window->Button8);
    for (const std::string& m : messages()) won.insert(m);
    EXPECT_EQ(won, (std::set<std::string>{"【three】を手に入れた！", "【seven】を手に入れた！"}));
    EXPECT_EQ(my().toyOwned[512], 0);
}

TEST_F(ToyShopTest, ACatalogueWithNothingToDrawSellsNothing) {
    std::vector<std::string> names(513);
    names[512] = "never";
    openShop(names, 1000);
    click(window->Button8);  // must return
    EXPECT_EQ(my().money, 1000);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ToyShopTest, ShowsTheSelectedToy) {
    std::vector<std::string> names;
    for (int k = 0; k < 120; ++k) names.push_back("toy" + std::to_string(k));
    openShop(names, 0, {0, 0, 0, 0, 0, 1, 0, 1});
    folder.writePictures({7});
    selectRow(1);  // toy 7: rarity 7
    game::TForm1& w = *window;
    EXPECT_EQ(w.item_name_l.caption(), "toy7 x1");
    EXPECT_EQ(w.item_about_l.caption(), "about 7");
    EXPECT_EQ(w.item_value_l.caption(), "レア度：70%");
    EXPECT_EQ(w.toy_n_l.caption(), "Number 7/120");
    EXPECT_EQ(w.item_cg.picture().colourAt(1, 1), base::colours::Lime);
    selectRow(0);  // toy 5 has no picture: the last one stays
    EXPECT_EQ(w.item_name_l.caption(), "toy5 x1");
    EXPECT_EQ(w.item_value_l.caption(), "レア度：50%");
    EXPECT_EQ(w.item_cg.picture().colourAt(1, 1), base::colours::Lime);
}

// The window repaints what the model tells it changed: the blanked picture must say so, as a new one does.
TEST_F(ToyShopTest, DrawingAgainBlanksTheShownPictureAndMarksItChanged) {
    openShop({"a", "b"}, 100, {1, 0});
    folder.writePictures({0});
    selectRow(0);
    game::TForm1& w = *window;
    ASSERT_EQ(w.item_cg.picture().colourAt(1, 1), base::colours::Lime);
    const std::uint64_t shown = w.item_cg.revision();
    click(w.Button8);
    EXPECT_EQ(w.item_name_l.caption(), "");
    EXPECT_EQ(w.item_cg.picture().colourAt(1, 1), base::colours::White);
    EXPECT_GT(w.item_cg.revision(), shown);
}

TEST_F(ToyShopTest, TwoToysOfOneNameShowTheLaterEntry) {
    std::vector<std::string> names(10);
    names[2] = "twin";
    names[9] = "twin";
    openShop(names, 0, {0, 0, 1, 0, 0, 0, 0, 0, 0, 3});
    EXPECT_EQ(window->item_list.items(), (std::vector<std::string>{"twin", "twin"}));
    selectRow(0);
    EXPECT_EQ(window->item_name_l.caption(), "twin x3");
    EXPECT_EQ(window->toy_n_l.caption(), "Number 9/2");
}

TEST_F(ToyShopTest, AHeldSlotWithoutANameShowsNothing) {
    openShop({"", "b"}, 0, {1, 1});
    selectRow(0);
    EXPECT_EQ(window->item_name_l.caption(), "");
}

TEST_F(ToyShopTest, ARarityBeyondThirtyOneBitsTimesTenIsShownWhole) {
    openShop({"a"}, 0, {1});
    window->state.toyTable[0].rarity = 2147483647;
    selectRow(0);
    EXPECT_EQ(window->item_value_l.caption(), "レア度：21474836470%");
}

// A row picked with the arrow keys shows its toy as a click does, so the shop works without a mouse.
TEST_F(ToyShopTest, KeyboardSelectionShowsTheToy) {
    openShop({"a"}, 0, {1});
    run([&] { window->item_list.userSelected(0); });
    EXPECT_EQ(window->item_name_l.caption(), "a x1");
}

TEST_F(ToyShopTest, GoHomeHidesThePanelAndSavesEvenWithoutADraw) {
    openShop({"a"}, 300, {4});
    std::filesystem::remove(folder.path("dat/my.dat"));
    click(window->Button7);
    EXPECT_FALSE(window->toy_box.visible());
    EXPECT_EQ(sound.played.back(), (std::pair<std::string, int>{"b2.wav", 0}));
    const auto lines = folder.lines("dat/my.dat");
    ASSERT_EQ(lines.size(), 516u);
    EXPECT_EQ(lines[2], "300");
    EXPECT_EQ(lines[3], "4");
}

}  // namespace
}  // namespace gametest

namespace gametest {
namespace {

// The looks the panel's layout gives: the list white bold 13 px on grey, the caption bold 13 px.
TEST_F(ToyShopTest, ListAndCaptionHaveTheLayoutsLook) {
    folder.install();
    game::TForm1& w = open();
    EXPECT_EQ(w.item_list.background(), base::colours::Grey);
    EXPECT_EQ(w.item_list.font().colour, base::colours::White);
    EXPECT_TRUE(w.item_list.font().bold);
    EXPECT_EQ(w.item_list.font().px, 13);
    EXPECT_EQ(w.item_list.itemHeight(), 13);
    ASSERT_TRUE(w.toy_box.font());
    EXPECT_TRUE(w.toy_box.font()->bold);
    EXPECT_EQ(w.toy_box.font()->px, 13);
}

// The help's note on the posting file names where it is written.
TEST_F(ToyShopTest, HelpNamesTheFolderOfThePostingFile) {
    folder.install();
    game::TForm1& w = open();
    EXPECT_EQ(w.Label39.caption().rfind("このソフトが入っているフォルダに「投稿用.txt」", 0), 0u);
}

TEST_F(ToyShopTest, HelpNamesTheDataFolderOfAReadOnlyInstall) {
    folder.install();
    platform.services().dataDir = "/home/someone/.local/share/zorban/";
    game::TForm1& w = open();
    EXPECT_EQ(
        w.Label39.caption().rfind("データフォルダ（/home/someone/.local/share/zorban）に「投稿用.txt」", 0),
        0u);
}

}  // namespace
}  // namespace gametest
