// The toy panel: the list of toys held, a toy's details and picture, the lottery and going home.
#include <algorithm>

#include "engine/PlayEngine.h"
#include "game/TForm1.h"

namespace game {
namespace {

constexpr std::int32_t kDrawPrice = 100;     // moon per draw
constexpr std::int32_t kDrawableToys = 512;  // entries 0..511 can be drawn; 512 never is
constexpr int kMaxCopies = 99;               // copies of one toy held at most
constexpr int kPictureSize = 170;            // px, the toy picture's box
constexpr std::int64_t kRarityPercent = 10;  // rarity shown times ten as a percentage

std::string moneyText(std::int32_t money) {
    return std::to_string(money) + " moon円";
}

}  // namespace

void TForm1::store_bClick() {
    engine_->playSound0("b.wav");
    toy_box.moveTo(0, 0);
    toy_box.show();
    refreshToyList();
}

void TForm1::refreshToyList() {
    std::vector<std::string> held;
    for (int k = 0; k < engine::kToyCount; ++k)
        if (state.my.toyOwned[k] != 0) held.push_back(state.toyTable[k].name);
    item_list.setItems(std::move(held));
    item_list.setItemIndex(-1);
    for (ui::Label* l : {&item_name_l, &item_about_l, &item_value_l, &toy_n_l}) l->setCaption("");
    item_cg.penColour = base::colours::White;
    item_cg.brushColour = base::colours::White;
    item_cg.rectangle(0, 0, kPictureSize, kPictureSize);
}

void TForm1::item_listMouseDown() {
    const int row = item_list.itemIndex();
    if (row < 0 || row >= static_cast<int>(item_list.items().size())) return;
    const std::string& selected = item_list.items()[row];
    // Two toys of the same name show as the later one.
    int k = 0;
    for (int j = 0; j < engine::kToyCount; ++j)
        if (state.toyTable[j].name == selected) k = j;
    const engine::titem& toy = state.toyTable[k];
    if (toy.name.empty()) return;
    const auto named = std::count_if(state.toyTable.begin(), state.toyTable.end(),
                                     [](const engine::titem& t) { return !t.name.empty(); });
    item_name_l.setCaption(toy.name + " x" + std::to_string(state.my.toyOwned[k]));
    item_about_l.setCaption(toy.about);
    item_value_l.setCaption("レア度：" + std::to_string(toy.rarity * kRarityPercent) + "%");
    toy_n_l.setCaption("Number " + std::to_string(k) + "/" + std::to_string(named));
    try {
        item_cg.loadPicture(services_.programDir + "cg/unit" + std::to_string(k) + ".bmp");
    } catch (const std::exception&) {
        // A toy without a picture keeps the one shown before.
    }
}

void TForm1::Button8Click() {
    engine::tmy& my = state.my;
    if (my.money < kDrawPrice) {
        engine_->playSound0("b2.wav");
        services_.dialogs.message("お金がたりないよ");
        engine_->playSound0("b.wav");
        return;
    }
    // A catalogue without a drawable toy would make the draw below choose for ever; nothing is sold then.
    const auto first = state.toyTable.begin();
    if (std::all_of(first, first + kDrawableToys, [](const engine::titem& t) { return t.name.empty(); }))
        return;
    engine_->playSound0("katan.wav");
    int k = 0;
    do k = services_.random.next(kDrawableToys);
    while (state.toyTable[k].name.empty());
    services_.dialogs.message("【" + state.toyTable[k].name + "】を手に入れた！");
    engine_->playSound0("b.wav");
    my.toyOwned[k] = static_cast<std::uint8_t>(std::min(my.toyOwned[k] + 1, kMaxCopies));
    my.money -= kDrawPrice;
    refreshToyList();
    gold_l.setCaption(moneyText(my.money));
}

void TForm1::Button7Click() {
    engine_->playSound0("b2.wav");
    toy_box.hide();
    saveCommonData();
}

}  // namespace game
