// A headless play window with recorded sounds, and helpers to set the ball in motion anywhere.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/FieldPainter.h"
#include "engine/HeadlessPlay.h"
#include "tests/engine/RecordingSoundSink.h"
#include "ui/core/HeadlessPlatform.h"

namespace enginetest {

struct Play {
    ui::HeadlessPlatform platform;
    enginetest::RecordingSoundSink sound;
    engine::HeadlessPlay play;
    engine::PlayEngine& eng;
    engine::GameState& s;
    engine::tmy& my;

    explicit Play(engine::Rules rules = engine::Rules::game(), std::string programDir = "/nonexistent/")
        : platform(std::move(programDir)),
          play(platform.services(), sound, std::move(rules)),
          eng(play.engine),
          s(play.state),
          my(play.state.my) {}

    // The ball in play at (x, y) with steps (dx, dy), over an otherwise empty field unless cells are set.
    void ballAt(int x, int y, int dx, int dy) {
        my.ballX = x;
        my.ballY = y;
        s.ballDX = dx;
        s.ballDY = dy;
        eng.setPhase(engine::PlayPhase::InPlay);
    }
    void set(int c, int r, std::int32_t code) { s.blockGrid.set(c, r, code); }
    std::int32_t at(int c, int r) const { return s.blockGrid.at(c, r); }
    std::string log() const { return play.moji_l.caption(); }
    std::vector<std::string> sounds() const {
        std::vector<std::string> names;
        for (const auto& [name, channel] : sound.played)
            names.push_back(name + "@" + std::to_string(channel));
        return names;
    }
    bool played(const std::string& nameAtChannel) const {
        const auto all = sounds();
        return std::find(all.begin(), all.end(), nameAtChannel) != all.end();
    }
};

}  // namespace enginetest
