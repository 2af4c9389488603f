// The toy shop: the list of toys held, a toy's details and picture, and the lottery.
#include "game/ToyShop.h"

#include <algorithm>

#include "base/Translation.h"
#include "engine/PlayEngine.h"
#include "engine/SoundFiles.h"

namespace game {
namespace {

constexpr std::int32_t kDrawPrice = 100;     // moon per draw
constexpr std::int32_t kDrawableToys = 512;  // entries 0..511 can be drawn; 512 never is
constexpr int kMaxCopies = 99;               // copies of one toy held at most
constexpr int kPictureSize = 170;            // px, the toy picture's box
constexpr std::int64_t kRarityPercent = 10;  // rarity shown times ten as a percentage

std::string moneyText(std::int32_t money) {
    return base::fillIn(base::translate("Status", "%1 moon円"), base::shownNumber(money));
}

}  // namespace

ToyShop::ToyShop(ui::Services& services, engine::GameState& state, engine::PlayEngine& engine,
                 ToyPanel& panel)
    : services_(services), state_(state), engine_(engine), panel_(panel) {}

void ToyShop::open() {
    engine_.playSound0(engine::sounds::kButton);
    panel_.toy_box.moveTo(0, 0);
    panel_.toy_box.show();
    refreshList();
}

void ToyShop::refreshList() {
    std::vector<std::string> held;
    for (int k = 0; k < engine::kToyCount; ++k)
        if (state_.my.toyOwned[k] != 0) held.push_back(base::translateData("Toys", state_.toyTable[k].name));
    panel_.item_list.setItems(std::move(held));
    panel_.item_list.setItemIndex(-1);
    for (ui::Label* l : {&panel_.item_name_l, &panel_.item_about_l, &panel_.item_value_l, &panel_.toy_n_l})
        l->setCaption("");
    panel_.item_cg.penColour = base::colours::White;
    panel_.item_cg.brushColour = base::colours::White;
    panel_.item_cg.rectangle(0, 0, kPictureSize, kPictureSize);
}

void ToyShop::showSelected() {
    const int row = panel_.item_list.itemIndex();
    if (row < 0 || row >= static_cast<int>(panel_.item_list.items().size())) return;
    const std::string& selected = panel_.item_list.items()[row];
    // Two toys of the same name show as the later one.
    int k = 0;
    for (int j = 0; j < engine::kToyCount; ++j)
        if (base::translateData("Toys", state_.toyTable[j].name) == selected) k = j;
    const engine::titem& toy = state_.toyTable[k];
    if (toy.name.empty()) return;
    const auto named = std::count_if(state_.toyTable.begin(), state_.toyTable.end(),
                                     [](const engine::titem& t) { return !t.name.empty(); });
    panel_.item_name_l.setCaption(base::fillIn(base::translate("ToyShop", "%1 x%2"),
                                               base::translateData("Toys", toy.name),
                                               std::to_string(state_.my.toyOwned[k])));
    panel_.item_about_l.setCaption(base::translateData("ToyAbout", toy.about));
    panel_.item_value_l.setCaption(
        base::fillIn(base::translate("ToyShop", "レア度：%1%"), std::to_string(toy.rarity * kRarityPercent)));
    panel_.toy_n_l.setCaption(
        base::fillIn(base::translate("ToyShop", "Number %1/%2"), std::to_string(k), std::to_string(named)));
    try {
        panel_.item_cg.loadPicture(services_.programDir + "cg/unit" + std::to_string(k) + ".bmp");
    } catch (const std::exception&) {
        // A toy without a picture keeps the one shown before.
    }
}

void ToyShop::draw() {
    engine::tmy& my = state_.my;
    if (my.money < kDrawPrice) {
        engine_.playSound0(engine::sounds::kBack);
        services_.dialogs.message(base::translate("ToyShop", "お金がたりないよ"));
        engine_.playSound0(engine::sounds::kButton);
        return;
    }
    // A catalogue without a drawable toy would make the draw below choose for ever; nothing is sold then.
    const auto first = state_.toyTable.begin();
    if (std::all_of(first, first + kDrawableToys, [](const engine::titem& t) { return t.name.empty(); }))
        return;
    engine_.playSound0(engine::sounds::kToyDraw);
    int k = 0;
    do k = services_.random.next(kDrawableToys);
    while (state_.toyTable[k].name.empty());
    services_.dialogs.message(base::fillIn(base::translate("ToyShop", "【%1】を手に入れた！"),
                                           base::translateData("Toys", state_.toyTable[k].name)));
    engine_.playSound0(engine::sounds::kButton);
    my.toyOwned[k] = static_cast<std::uint8_t>(std::min(my.toyOwned[k] + 1, kMaxCopies));
    my.money -= kDrawPrice;
    refreshList();
    panel_.gold_l.setCaption(moneyText(my.money));
}

}  // namespace game
