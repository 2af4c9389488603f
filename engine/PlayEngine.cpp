// The engine's parts, put together over one game state and one set of controls.
#include "engine/PlayEngine.h"

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

std::string PlayEngine::scoreText(std::int64_t v) {
    return engine::scoreText(v);
}

}  // namespace engine
