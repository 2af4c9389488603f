// Helpers for the mixer tests: WAV images in memory, a temporary folder, and an engine on the virtual output.
#include "SoundTestKit.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

namespace soundtest {
namespace {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putId(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(id[i]));
}

}  // namespace

Bytes makeWav(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, const Bytes& data, std::uint16_t formatTag) {
    Bytes b;
    putId(b, "RIFF");
    put32(b, static_cast<std::uint32_t>(36 + data.size() + (data.size() & 1)));
    putId(b, "WAVE");
    putId(b, "fmt ");
    put32(b, 16);
    const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
    put16(b, formatTag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * align);
    put16(b, align);
    put16(b, bits);
    putId(b, "data");
    put32(b, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    if (data.size() & 1) b.push_back(0);
    return b;
}

Bytes pcm16(const std::vector<std::int16_t>& samples) {
    Bytes b;
    for (std::int16_t s : samples) put16(b, static_cast<std::uint16_t>(s));
    return b;
}

Bytes filled(std::size_t n, std::uint8_t value) { return Bytes(n, value); }

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    dir_ = std::filesystem::temp_directory_path() /
           ("zorban-sound-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void TempDir::write(const std::string& name, const Bytes& bytes) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void TempDir::write(const std::string& name, const std::string& text) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    out << text;
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
    sound::PlayParams p;
    p.session = session;
    p.channel = channel;
    p.wave = w;
    p.flags = flags;
    p.loops = loops;
    p.notify = notify;
    engine->PlayMixWave(&p);
}

Bytes MixRig::heard(std::size_t from, std::size_t n) const {
    const Bytes& all = out.played();
    if (from >= all.size()) return {};
    return Bytes(all.begin() + static_cast<std::ptrdiff_t>(from),
                 all.begin() + static_cast<std::ptrdiff_t>(std::min(all.size(), from + n)));
}

}  // namespace soundtest
