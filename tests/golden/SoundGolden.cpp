// Records the sound of a scripted play of one official stage on the virtual clock: the engine's sound
// requests go through the game's two mixer channels into the virtual audio output, and every byte the
// output plays is written as a WAV file, with a text log of the requests beside it.
// Usage: golden_sound DATDIR STAGEFILE OUT.wav OUT.txt
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "engine/HeadlessPlay.h"
#include "engine/StageFile.h"
#include "sound/ChannelSounds.h"
#include "sound/MixEngine.h"
#include "sound/TSoundMixer.h"
#include "sound/VirtualAudioOutput.h"
#include "sound/WavImage.h"
#include "ui/core/HeadlessPlatform.h"

namespace {

constexpr std::int64_t kPlayMs = 45'000;         // virtual time recorded
constexpr std::int64_t kServeDelayMs = 700;      // a waiting ball is served this long after it waits
constexpr std::int64_t kTurnEveryMs = 2'300;     // a right click this often while the ball runs
constexpr std::int64_t kExplodeEveryMs = 9'100;  // a left click (explosion) this often while the ball runs
constexpr std::uint8_t kGameChannels = 3;        // channels 0 and 1, as the play windows open them

std::uint64_t fnv1a(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (std::uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ull;
    return h;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: golden_sound DATDIR STAGEFILE OUT.wav OUT.txt\n";
        return 2;
    }
    const std::string dat = std::string(argv[1]) + "/";
    std::ofstream log(argv[4], std::ios::binary);

    sound::VirtualAudioOutput out;
    sound::MixEngine mixEngine(out, dat + "SOUNDMIX.INI");
    sound::TSoundMixer mixer(mixEngine);
    mixer.SetActivated(true);
    mixer.SetChannels(kGameChannels);
    sound::ChannelSounds sounds(mixer, dat);

    ui::HeadlessPlatform platform(dat + "../");
    engine::FunctionSoundSink sink([&](std::string_view name, int channel) {
        log << platform.clock.nowMs() << " " << name << "@" << channel << "\n";
        sounds.play(name, channel);
    });
    engine::HeadlessPlay play(platform.services(), sink);
    platform.start(play.form);

    engine::BlockGrid grid;
    std::string title, author;
    engine::loadStageFile(argv[2], grid, title, author);
    play.beginStage(grid, title, author);

    std::int64_t audioMs = 0, serveAt = -1, nextTurn = -1, nextExplosion = -1;
    while (platform.clock.nowMs() < kPlayMs) {
        platform.advance(1);
        const std::int64_t now = platform.clock.nowMs();
        const engine::tmy& my = play.state.my;
        if (engine::waitsForServe(play.state.phase)) {  // the ball waits for its serve
            nextTurn = nextExplosion = -1;
            if (serveAt < 0) serveAt = now + kServeDelayMs;
            if (now >= serveAt) {
                platform.handle([&] { play.serveFrom(1 + static_cast<int>(now / 1000 % 10)); });
                serveAt = -1;
            }
        } else if (play.engine.ballInPlay()) {  // the ball runs: the bar follows it
            serveAt = -1;
            if (nextTurn < 0) nextTurn = now + kTurnEveryMs, nextExplosion = now + kExplodeEveryMs;
            platform.handle([&] { play.moveTo(engine::kCellWidth * (my.ballX - 1)); });
            if (now >= nextTurn) {
                platform.handle([&] { play.rightClick(); });
                nextTurn += kTurnEveryMs;
            }
            if (now >= nextExplosion) {
                platform.handle([&] { play.leftClick(); });
                nextExplosion += kExplodeEveryMs;
            }
        }
        // The device plays on as far as the handlers' own pauses took the clock.
        const std::int64_t clockMs = platform.clock.nowMs();
        if (clockMs > audioMs) {
            out.advanceMs(static_cast<std::uint32_t>(clockMs - audioMs));
            audioMs = clockMs;
        }
        platform.drainPosted();
    }

    const std::vector<std::uint8_t> image = sound::makeWavImage(out.format(), out.played());
    std::ofstream wav(argv[3], std::ios::binary);
    wav.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    log << "end " << platform.clock.nowMs() << " ms, score " << play.state.my.score << ", lives "
        << play.state.my.hp << "\n";
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fnv1a(out.played())));
    log << "played " << out.played().size() << " bytes, fnv1a " << hash << "\n";
    return wav && log ? 0 : 1;
}
