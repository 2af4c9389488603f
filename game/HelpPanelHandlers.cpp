// The help panel: opening and closing it, and the ranking page inside it.
#include "engine/PlayEngine.h"
#include "engine/SoundFiles.h"
#include "game/TForm1.h"

namespace game {
namespace {

constexpr int kHelpTrackMax = 56;             // the hidden track bar's maximum and position once help opens
constexpr int kRankLeft = 32, kRankTop = 24;  // the ranking page inside the help panel

}  // namespace

void TForm1::help_bClick() {
    help_box.moveTo(0, 0);
    help_box.show();
    engine_->playSound0(engine::sounds::kButton);
    main_sp_l.setRange(main_sp_l.minimum(), kHelpTrackMax);
    main_sp_l.setPosition(kHelpTrackMax);
}

void TForm1::Button3Click() {
    engine_->playSound0(engine::sounds::kBack);
    help_box.hide();
    Timer1.setInterval(engine_->rules().serveTick());
    saveCommonData();
}

void TForm1::Button4Click() {
    engine_->playSound0(engine::sounds::kBack);
    rank_box.moveTo(kRankLeft, kRankTop);
    rank_box.show();
}

void TForm1::Button48Click() {
    engine_->playSound0(engine::sounds::kBack);
    rank_box.hide();
}

}  // namespace game
