// The runner window's handlers: start-up, choosing a stage, and the forwarding of events to the engine.
#include "runner/TForm1.h"

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#include "base/Translation.h"
#include "engine/BindPlayControls.h"
#include "engine/ForwardPlayEvents.h"
#include "engine/PatternKey.h"
#include "engine/PlayEngine.h"
#include "engine/RunStart.h"
#include "engine/ToyCatalogue.h"

namespace runner {
namespace {

constexpr int kPaceKey = ui::keys::F1 + 1;  // F2

// The open dialog's filter: what each pattern names, in the player's language, and the pattern.
std::string stageFilter() {
    return base::translate("Files", "ゾルバンブロックデータ") + "|*.usr|" +
           base::translate("Files", "オフィシャルデータ") + "|map*-*.dat|" +
           base::translate("Files", "all files") + "|*.*";
}

}  // namespace

TForm1::TForm1(ui::Services& services, engine::SoundSink& sound)
    : PlayScreen(look()), services_(services), sound_(sound), loadFolder_(services.programDir + "dat") {
    layout();
    engine::bindPlayControls(controls, *this, false);
    engine_ =
        std::make_unique<engine::PlayEngine>(state, controls, services_, sound_, engine::Rules::runner());
    wire();
}

TForm1::~TForm1() = default;

void TForm1::wire() {
    engine::PlayEngine& e = *engine_;
    form.onCreate = [this] { FormCreate(); };
    form.onClose = [this] {
        FormClose();
        return true;
    };
    form.onDestroy = [this] { FormDestroy(); };
    Button5.onClick = [this] { Button5Click(); };
    // The window shares the play field's origin, so moves and clicks anywhere count alike.
    engine::forwardPlayEvents(e, *this, {&form, &main_box});
    ui::addChoiceKey(form, services_.settings, engine::patternKey([&e](bool on) { e.setPatterns(on); }));
    // F2: a slower ball for practice, shown in the status block; the game's courses keep their pace.
    ui::addChoiceKey(form, services_.settings,
                     {kPaceKey,
                      "Pace",
                      {std::begin(engine::kPracticePaces), std::end(engine::kPracticePaces)},
                      [](int pace) {
                          return base::fillIn(base::translate("Runner", "ボールの速さ %1%"),
                                              std::to_string(pace));
                      },
                      [&e](int pace) { e.setPace(pace); }});
}

void TForm1::FormCreate() {
    // The first steps may fail (a missing catalogue or picture): the error box shows it and start-up ends
    // there.
    // Step 1, pre-loading 1.wav for both channels, is done by the sound adapter when it is made.
    services_.random.randomize();
    engine::startRun(state, engine_->rules());
    engine::loadToyCatalogue(services_.programDir + "dat/item.dat", state.toyTable);
    startUp(state, engine_->rules());
    Image1.loadPicture(services_.programDir + "cg/usu1.bmp");
}

// The sound adapter releases the two channel waves when it is destroyed, after the window.
void TForm1::FormDestroy() {}

void TForm1::FormClose() {}  // the runner saves nothing

void TForm1::Button5Click() {
    engine::PauseControl& pause = engine_->pauseControl();
    std::optional<std::string> chosen;
    {
        // The window's own dialog: the ball runs on under it, as it does without the pause feature.
        engine::PauseControl::ModalDialog asking(pause);
        chosen = services_.dialogs.openFile({stageFilter(), loadFolder_, ""});
    }
    if (!chosen || chosen->empty()) return;
    playStage(*chosen);
}

void TForm1::playStageAtStart(const std::string& path) {
    // As if chosen in the open dialog, which then starts in the stage's folder.
    std::error_code ec;  // without a working folder the name stays as given, and the load reports it
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec) full = path;
    loadFolder_ = full.parent_path().string();
    services_.postToUi([this, file = full.string()] { playStage(file); });
}

void TForm1::playStage(const std::string& path) {
    engine::beginStage(*engine_, [&path] { return path; });
}

}  // namespace runner
