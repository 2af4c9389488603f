// The window's creation, wiring of its handlers, start-up, closing, and the handlers that hand their work on
// to the save files, the end of a run and the toy shop.
#include "game/TForm1.h"

#include <cstdio>
#include <initializer_list>

#include "base/IoError.h"
#include "base/Translation.h"
#include "engine/BindPlayControls.h"
#include "engine/CourseButtons.h"
#include "engine/FieldPainter.h"
#include "engine/ForwardPlayEvents.h"
#include "engine/PatternKey.h"
#include "engine/PlayEngine.h"
#include "engine/SoundFiles.h"
#include "game/CourseFlow.h"
#include "game/RunEnd.h"
#include "game/SaveFiles.h"
#include "game/ToyShop.h"
#include "ui/core/CancelKey.h"

namespace game {

TForm1::TForm1(ui::Services& services, engine::SoundSink* sound)
    : services_(services), sound_(sound ? *sound : silence_) {
    layoutControls();
    stackControls();
    fillPlayControls();
    saves_ = std::make_unique<SaveFiles>(services_, state, form);
    engine_ = std::make_unique<engine::PlayEngine>(state, controls, services_, sound_);
    courses_ = std::make_unique<CourseFlow>(state, *engine_, *saves_, *this, *this);
    runEnd_ = std::make_unique<RunEnd>(state, *saves_, *this, *this);
    toyShop_ = std::make_unique<ToyShop>(services_, state, *engine_, *this);
    wireHandlers();
    wireEngine();
}

TForm1::~TForm1() = default;

void TForm1::layoutControls() {
    layOutGamePlayScreen(form);
    layoutOffscreenControls(form.defaultFont);
    layoutHelpPanel(form.defaultFont, services_.programDir, services_.dataDir);
    layoutToyPanel(services_.programDir);
    layoutEndPanel(form.defaultFont);
    layoutStartPanel(form.defaultFont);
    nameForScreenReaders();
}

// Each panel is read by its heading, each field and list by what it holds; the game's badges and the toy's
// picture by the texts they stand for.
void TForm1::nameForScreenReaders() {
    start_box.setLabelledBy(&Label28);
    help_box.setLabelledBy(&Label8);
    rank_box.setLabelledBy(&Label34);
    end_box.setLabelledBy(&Label7);
    item_cg.setLabelledBy(&item_name_l);
    item_list.setAccessibleName(base::translate("Game", "おもちゃ"));
    Edit1.setAccessibleName(base::translate("Game", "ホームページ"));
    Edit2.setAccessibleName(base::translate("Game", "メール"));
}

void TForm1::stackControls() {
    // The panels come last, so that each covers the play screen when it is shown.
    stackGamePlayScreen(form, {&l2, &item1_b, &item2_b, &item3_b, &item4_b, &item5_b, &item6_b, &item7_b,
                               &GroupBox1, &help_box, &toy_box, &end_box, &start_box});
}

void TForm1::fillPlayControls() {
    engine::bindPlayControls(controls, *this);
}

void TForm1::wireHandlers() {
    form.onCreate = [this] { FormCreate(); };
    form.onClose = [this] { return FormClose(); };
    form.onDestroy = [this] { FormDestroy(); };

    const auto courseButtons = this->courseButtons();
    for (std::uint8_t n = 1; n <= 6; ++n) {
        courseButtons[n - 1]->onClick = [this, n] { selectCourse(n); };
        courseButtons[n - 1]->onMouseMove = [this, n](const ui::MouseEvent&) { showCourseHint(n); };
    }
    Button2.onClick = [this] { selectCourse(1); };
    start_box.onMouseMove = [this](const ui::MouseEvent&) { Label29MouseMove(); };
    Label29.onMouseMove = [this](const ui::MouseEvent&) { Label29MouseMove(); };

    ok_b.onClick = [this] { ok_bClick(); };
    help_b.onClick = [this] { help_bClick(); };
    Button3.onClick = [this] { Button3Click(); };
    Button4.onClick = [this] { Button4Click(); };
    Button48.onClick = [this] { Button48Click(); };
    BitBtn2.onClick = [this] { BitBtn2Click(); };
    BitBtn3.onClick = [this] { BitBtn3Click(); };
    Button5.onClick = [this] { Button5Click(); };

    end_b.onClick = [this] { end_bClick(); };
    Button10.onClick = [this] { Button10Click(); };

    store_b.onClick = [this] { store_bClick(); };
    Button8.onClick = [this] { Button8Click(); };
    Button7.onClick = [this] { Button7Click(); };
    // Press and release both show the toy, so that the row the click selected is the one shown.
    item_list.onMouseDown = [this](const ui::MouseEvent&) { item_listMouseDown(); };
    item_list.onMouseUp = [this](const ui::MouseEvent&) { item_listMouseDown(); };
    // A row picked with the arrow keys shows its toy as a click does.
    item_list.onClick = [this] { item_listMouseDown(); };
    // Escape (the pad's B) leaves the ranking page, the help and the toy shop as their back buttons do.
    ui::addCancelButtons(form, {&Button48, &Button3, &Button7});
}

void TForm1::wireEngine() {
    engine::PlayEngine& e = *engine_;
    e.saveCommonData = [this] { saveCommonData(); };
    e.showCourses = [this] {
        engine::showOpenCourses({{&c_b1, &Button6, &c_b3, &c_b4, &c_b5, &c_b6}, &star_l}, state.my);
    };
    Button1.onClick = [&e] { e.Button1Click(); };
    // The window and both pictures over the field share the field's origin.
    engine::forwardPlayEvents(e, *this, {&form, &main_box, &main_cg}, {&help_box, &toy_box});
    ui::addChoiceKey(form, services_.settings, engine::patternKey([&e](bool on) { e.setPatterns(on); }));
}

void TForm1::FormCreate() {
    // The two channels' waves are pre-loaded by the sound sink when it is made; nothing is played here.
    services_.random.randomize();

    engine::tmy& my = state.my;
    my.courseMemo.clear();
    my.money = 0;
    startUp(state, engine_->rules());
    hint_l.setCaption("");
    state.timePresent = 0;
    start_box.moveTo(0, 0);
    end_box.moveTo(0, 0);
    engine_->setPhase(engine::PlayPhase::StartPanel);
    drawBadges();
    Image1.loadPicture(services_.programDir + "cg/usu1.bmp");
    load_box.initialDir = services_.programDir + "dat";
    loadCommonData();
}

bool TForm1::FormClose() {
    for (;;) {
        try {
            saveCommonData();
            return true;
        } catch (const base::IoError& e) {
            if (form.endingSession) {
                std::fprintf(stderr, "zorban: my.dat: %s.\n", e.what());
                return true;
            }
            const std::string text =
                std::string(e.what()) + ".\r" +
                base::translate("Errors", "お金とおもちゃの記録 (my.dat) を保存できませんでした。");
            switch (services_.dialogs.choose(
                text, {base::translate("Errors", "もう一度保存"), base::translate("Errors", "保存せずに終了"),
                       base::translate("Errors", "ゲームに戻る")})) {
                case 0:
                    continue;
                case 1:
                    return true;
                default:
                    return false;
            }
        }
    }
}

// The sound sink releases the channels' waves when it goes, after the window; the window itself
// holds nothing to release.
void TForm1::FormDestroy() {}

std::string TForm1::stagePath() const {
    return saves_->stagePath();
}

void TForm1::loadCommonData() {
    saves_->loadCommon();
}

void TForm1::saveCommonData() {
    saves_->saveCommon();
}

void TForm1::loadCourseData() {
    saves_->loadCourse();
}

void TForm1::saveCourseData() {
    saves_->saveCourse();
    writePostingFile();
}

void TForm1::writePostingFile() {
    runEnd_->writePostingFile();
}

void TForm1::BitBtn2Click() {
    engine::clearField(main_box);
    saves_->resetRecords();
    for (std::uint8_t n : SaveFiles::kResetOrder) {
        state.courseNo = n;
        saveCourseData();
    }
    saveCommonData();
}

void TForm1::end_bClick() {
    engine_->setPhase(engine::PlayPhase::EndPanel);
    showEndBox();
}

void TForm1::showEndBox() {
    runEnd_->showResults();
}

void TForm1::Button10Click() {
    engine_->playSound0(engine::sounds::kButton);
    engine_->setPhase(engine::PlayPhase::StartPanel);
    Timer2.start();
    saveCourseData();
}

void TForm1::store_bClick() {
    toyShop_->open();
}

void TForm1::refreshToyList() {
    toyShop_->refreshList();
}

void TForm1::item_listMouseDown() {
    toyShop_->showSelected();
}

void TForm1::Button8Click() {
    toyShop_->draw();
}

void TForm1::Button7Click() {
    engine_->playSound0(engine::sounds::kBack);
    toy_box.hide();
    saveCommonData();
}

}  // namespace game
