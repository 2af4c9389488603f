// Helpers for the mixer tests: WAV images in memory, a temporary folder, and an engine on the virtual output.
#include "SoundTestKit.h"

#include <fstream>
#include <iterator>

#include "sound/MixerError.h"
#include "sound/WavImage.h"

namespace soundtest {
Bytes makeWav(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, const Bytes& data,
              std::uint16_t formatTag) {
    sound::WaveFormat format;
    format.formatTag = formatTag;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.bitsPerSample = bits;
    format.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    format.avgBytesPerSec = rate * format.blockAlign;
    return sound::makeWavImage(format, data);
}

Bytes pcm16(const std::vector<std::int16_t>& samples) {
    Bytes b(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        sound::putLe16(&b[2 * i], static_cast<std::uint16_t>(samples[i]));
    return b;
}

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const sound::EMixerError& e) {
        return e.what();
    }
    return "(no error)";
}

Bytes filled(std::size_t n, std::uint8_t value) {
    return Bytes(n, value);
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempDir::write(const std::string& name, const Bytes& bytes) const {
    std::ofstream out(path(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void TempDir::write(const std::string& name, const std::string& text) const {
    testutil::writeAll(path(name), text);
}

MixRig::MixRig(const std::string& iniText, const sound::MixInitConfig* config, sound::PostFn post)
    : out(std::move(post)) {
    dir.write("SOUNDMIX.INI", iniText);
    engine = std::make_unique<sound::MixEngine>(out, dir.path("SOUNDMIX.INI"));
    session = engine->InitMixSession(config);
}

void MixRig::start(std::uint8_t mask) {
    engine->ActivateMixSession(session, true);
    for (int c = 0; c < sound::kMixChannels; ++c)
        if (mask >> c & 1) engine->OpenMixChannel(session, c, sound::kOpenOne);
}

sound::MixWave* MixRig::wave(const Bytes& samples) {
    const Bytes image = makeWav(session->format.channels, session->format.samplesPerSec, 8, samples);
    return engine->LoadMixWave(session, "memory", nullptr, sound::kWaveFromMemory, image);
}

void MixRig::play(int channel, sound::MixWave* w, std::uint32_t flags, std::uint16_t loops,
                  sound::MixNotifyTarget* notify) {
    sound::PlayParams p{
        .session = session, .channel = channel, .wave = w, .notify = notify, .flags = flags, .loops = loops};
    engine->PlayMixWave(&p);
}

Bytes MixRig::heard(std::size_t from, std::size_t n) const {
    const Bytes& all = out.played();
    if (from >= all.size()) return {};
    return Bytes(all.begin() + static_cast<std::ptrdiff_t>(from),
                 all.begin() + static_cast<std::ptrdiff_t>(std::min(all.size(), from + n)));
}

}  // namespace soundtest
