// A status label's caption rebuilt only when the values it shows changed (the status tick runs 100 times a
// second).
#pragma once

#include <cstdint>
#include <optional>
#include <tuple>

#include "ui/core/Widgets.h"

namespace engine {

template <typename... Key>
class CachedCaption {
  public:
    // Sets label's caption to build() unless keys, the label and its look are those of the last call.
    // A change made to the label elsewhere bumps its revision, so the caption is then set again.
    template <typename Build>
    void update(ui::Label* label, Build&& build, const Key&... keys) {
        if (!label) return;
        if (label == label_ && label->revision() == revision_ && key_ && *key_ == std::tie(keys...)) return;
        label->setCaption(build());
        label_ = label;
        revision_ = label->revision();
        key_.emplace(keys...);
    }

  private:
    std::optional<std::tuple<Key...>> key_;
    const ui::Label* label_ = nullptr;
    std::uint64_t revision_ = 0;
};

}  // namespace engine
