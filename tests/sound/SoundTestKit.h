// Helpers for the mixer tests: WAV images in memory, a temporary folder, and an engine on the virtual output.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sound/MixEngine.h"
#include "sound/VirtualAudioOutput.h"
#include "tests/base/TempDir.h"

namespace soundtest {

using Bytes = std::vector<std::uint8_t>;

// A RIFF WAVE image with one fmt chunk and one data chunk.
Bytes makeWav(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, const Bytes& data,
              std::uint16_t formatTag = 1);
// Bytes of little-endian 16-bit samples.
Bytes pcm16(const std::vector<std::int16_t>& samples);
Bytes filled(std::size_t n, std::uint8_t value);
// The whole content of a file ("" when it cannot be read).
std::string readText(const std::string& path);
// The message of the EMixerError that f raises, or "(no error)".
std::string errorOf(const std::function<void()>& f);

// The tests' temporary folder, with the mixer tests' names for its files.
class TempDir {
  public:
    std::string path(const std::string& name) const { return temp_.file(name); }
    std::string dir() const { return temp_.path().string(); }
    void write(const std::string& name, const Bytes& bytes) const;
    void write(const std::string& name, const std::string& text) const;

  private:
    testutil::TempDir temp_;
};

// An engine on a virtual output, with SOUNDMIX.INI holding iniText; the session is created, not yet
// activated.
struct MixRig {
    // post delivers the output's notices (default: at once).
    explicit MixRig(const std::string& iniText = "", const sound::MixInitConfig* config = nullptr,
                    sound::PostFn post = {});
    // Activates and opens the channels of mask, as a game window does (Activated, then Channels = 3).
    void start(std::uint8_t mask = 3);
    // A wave of raw output-format samples, loaded from memory (no conversion).
    sound::MixWave* wave(const Bytes& samples);
    void play(int channel, sound::MixWave* wave, std::uint32_t flags = 0, std::uint16_t loops = 0,
              sound::MixNotifyTarget* notify = nullptr);
    // The bytes heard from position `from` on, n of them.
    Bytes heard(std::size_t from, std::size_t n) const;

    TempDir dir;
    sound::VirtualAudioOutput out;
    std::unique_ptr<sound::MixEngine> engine;
    sound::MixSession* session = nullptr;
};

}  // namespace soundtest
