// The patterns' key.
#include "engine/PatternKey.h"

#include <utility>

#include "base/Translation.h"

namespace engine {

ui::ChoiceKey patternKey(std::function<void(bool)> show) {
    return {kPatternKey,
            "Patterns",
            {0, 1},
            [](int on) {
                return on ? base::translate("Status", "模様 ON") : base::translate("Status", "模様 OFF");
            },
            [show = std::move(show)](int on) { show(on != 0); }};
}

}  // namespace engine
