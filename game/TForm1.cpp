// The window's creation, wiring of its handlers, start-up, closing and the paths beside the program.
#include "game/TForm1.h"

#include <cstdio>
#include <initializer_list>

#include "base/IoError.h"
#include "engine/BindPlayControls.h"
#include "engine/FieldPainter.h"
#include "engine/ForwardPlayEvents.h"
#include "engine/PlayEngine.h"

namespace game {
namespace {

constexpr int kBadgeHeight = 13;  // px

struct Badge {
    ui::Image TForm1::*image;
    int width;  // px of the drawn box; the images are 69, 60 and 52 wide, so the boxes do not match
    const char* text;
};

}  // namespace

TForm1::TForm1(ui::Services& services, engine::SoundSink* sound)
    : services_(services), sound_(sound ? *sound : silence_) {
    layoutPlayScreen();
    layoutHiddenControls();
    layoutHelpPanel();
    layoutToyPanel();
    layoutEndPanel();
    layoutStartPanel();
    stackControls();
    fillPlayControls();
    engine_ = std::make_unique<engine::PlayEngine>(state, controls, services_, sound_);
    wireHandlers();
    wireEngine();
}

TForm1::~TForm1() = default;

void TForm1::fillPlayControls() {
    engine::bindPlayControls(controls, *this);
}

void TForm1::wireHandlers() {
    form.onCreate = [this] { FormCreate(); };
    form.onClose = [this] { return FormClose(); };
    form.onDestroy = [this] { FormDestroy(); };

    ui::Button* courseButtons[] = {&c_b1, &Button6, &c_b3, &c_b4, &c_b5, &c_b6};
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
}

void TForm1::wireEngine() {
    engine::PlayEngine& e = *engine_;
    e.saveCommonData = [this] { saveCommonData(); };
    Button1.onClick = [&e] { e.Button1Click(); };
    // The window and both pictures over the field share the field's origin.
    engine::forwardPlayEvents(e, *this, {&form, &main_box, &main_cg});
}

void TForm1::FormCreate() {
    // The two channels' waves are pre-loaded by the sound sink when it is made; nothing is played here.
    services_.random.randomize();

    engine::tmy& my = state.my;
    my.courseMemo.clear();
    my.money = 0;
    state.ballDX = 1;
    state.ballDY = 1;
    my.barRow = engine::kBarRow;
    my.barHalfWidth = 1;
    my.stageNo = -1;

    for (ui::Label* l : {&moji_l2, &moji_l3, &moji_l2a, &moji_l3a, &hint_l}) l->setCaption("");
    engine::clearField(main_box);
    Timer1.setInterval(engine_->rules().ballTickMs);
    main_box.fontSize = engine::kFieldFontSize;
    state.timePresent = 0;
    start_box.moveTo(0, 0);
    end_box.moveTo(0, 0);
    start_box.show();
    end_box.hide();
    drawBadges();
    Image1.loadPicture(services_.programDir + "cg/usu1.bmp");
    load_box.initialDir = services_.programDir + "dat";
    loadCommonData();
}

void TForm1::drawBadges() {
    static constexpr Badge kBadges[] = {
        {&TForm1::e1, 52, "999COMBO"}, {&TForm1::e2, 60, " 999TIME"}, {&TForm1::e3, 69, "  99HP"}};
    for (const Badge& b : kBadges) {
        ui::Image& image = this->*b.image;
        image.fontColour = base::colours::Grey;
        image.fontBold = true;
        image.rectangle(0, 0, b.width, kBadgeHeight);
        image.textOut(2, 2, b.text);
    }
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
                std::string(e.what()) + ".\rお金とおもちゃの記録 (my.dat) を保存できませんでした。";
            switch (services_.dialogs.choose(text, {"もう一度保存", "保存せずに終了", "ゲームに戻る"})) {
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

std::string TForm1::datPath(const std::string& name) const {
    return services_.programDir + "dat/" + name;
}

std::string TForm1::savePath(const std::string& name) const {
    return writableDir() + "dat/" + name;
}

std::string TForm1::coursePath() const {
    return savePath("my" + std::to_string(state.courseNo) + ".dat");
}

std::string TForm1::stagePath() const {
    return datPath("map" + std::to_string(state.courseNo) + "-" + std::to_string(state.my.stageNo) + ".dat");
}

std::string TForm1::postingPath() const {
    return writableDir() + "投稿用" + std::to_string(state.courseNo) + ".txt";
}

const std::string& TForm1::writableDir() const {
    if (services_.dataDir.empty()) throw base::IoError(base::IoCode::AccessDenied);
    return services_.dataDir;
}

}  // namespace game
