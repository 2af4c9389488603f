// The engine's parts, put together over one game state and one set of controls.
#include "engine/PlayEngine.h"

#include <utility>

#include "engine/ScoreText.h"

namespace engine {

PlayEngine::PlayEngine(GameState& state, PlayControls& controls, ui::Services& services, SoundSink& sound,
                       Rules rules)
    : actions_(state, controls, services, sound, std::move(rules)),
      pause_(state, controls, services.clock),
      animation_(actions_),
      effects_(actions_, animation_),
      ballTick_(actions_, effects_),
      input_(actions_, effects_, animation_, pause_),
      statusTick_(actions_, saveCommonData, showCourses),
      timers_(actions_, pause_) {}

void PlayEngine::letTimersRest(bool rest) {
    PlayControls& c = controls();
    statusTick_.keepAccount(rest);
    const std::pair<ui::Timer*, std::function<bool()>> rests[] = {
        {c.Timer2, [this] { return statusTick_.nothingToDo(); }},
        {c.Timer3, [this] { return timers_.logStill(); }},
        {c.Timer4, [this] { return timers_.comboStill(); }},
        {c.Timer5, [this] { return timers_.countdownStill(); }},
        {c.Timer6, [this] { return timers_.beatStill(); }},
        {c.Timer7, [this] { return timers_.bannerStill(); }},
    };
    for (const auto& [timer, still] : rests)
        if (timer) timer->nothingToDo = rest ? still : nullptr;
}

std::string PlayEngine::scoreText(std::int64_t v) {
    return engine::scoreText(v);
}

}  // namespace engine
