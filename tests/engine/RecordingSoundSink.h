// A sound sink that keeps every request, for tests that check what the engine and the windows play.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/SoundSink.h"

namespace enginetest {

class RecordingSoundSink : public engine::SoundSink {
  public:
    std::vector<std::pair<std::string, int>> played;  // (file name, channel)
    void play(std::string_view fileName, int channel) override { played.emplace_back(fileName, channel); }
};

}  // namespace enginetest
