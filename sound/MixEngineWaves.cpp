// The session engine's wave side: loading a wave from a file, a resource or memory, and releasing it.
#include <algorithm>
#include <new>

#include "sound/MixEngine.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"
#include "sound/RiffWaveReader.h"
#include "sound/WaveConverter.h"
#include "sound/WaveModule.h"

namespace sound {
namespace {

constexpr int kMmioCannotOpen = 259;  // error number of a memory file that cannot be opened

void setName(MixWave& wave, std::string_view name) {
    const std::size_t n = std::min(name.size(), MixWave::kNameLength);
    std::copy_n(name.begin(), n, wave.name.begin());
    wave.name[n] = '\0';
}

RiffWave readResource(std::string_view name, const WaveModule* module) {
    const auto image = module != nullptr ? module->find(name) : std::nullopt;
    if (!image) throw EMixerError(std::string(msg::kOpenResource) + std::string(name));
    if (image->data() == nullptr || image->empty())
        throw EMixerError(msg::kOpenResourceFile1 + std::to_string(kMmioCannotOpen) +
                          msg::kOpenResourceFile2);
    return RiffWaveReader::read(MemoryByteSource(*image));
}

RiffWave readMemory(std::span<const std::uint8_t> memoryFile) {
    if (memoryFile.data() == nullptr || memoryFile.empty())
        throw EMixerError(msg::kOpenMemoryFile1 + std::to_string(kMmioCannotOpen) + msg::kOpenMemoryFile2);
    return RiffWaveReader::read(MemoryByteSource(memoryFile));
}

RiffWave readFile(std::string_view path) {
    const std::unique_ptr<FileByteSource> file = FileByteSource::open(std::string(path));
    if (!file) throw EMixerError(std::string(msg::kOpenWaveFile) + std::string(path));
    return RiffWaveReader::read(*file);
}

}  // namespace

MixWave* MixEngine::LoadMixWave(MixSession* session, std::string_view name, const WaveModule* module,
                                int source, std::span<const std::uint8_t> memoryFile) {
    MixSession& s = checked(session);
    if (!output_.supportsFormat(s.deviceNumber, s.format)) throw EMixerError(msg::kCantPlayFormat);
    std::unique_ptr<MixWave> wave;
    try {
        wave = std::make_unique<MixWave>();
        waves_.reserve(waves_.size() + 1);
    } catch (const std::bad_alloc&) {
        throw EMixerError(msg::kNoMemory);
    }
    RiffWave riff = source == kWaveFromResource ? readResource(name, module)
                    : source == kWaveFromMemory ? readMemory(memoryFile)
                                                : readFile(name);
    wave->fileFormat = riff.format;
    wave->data = WaveConverter::convert(std::move(riff.data), riff.format, s.format);
    const auto number = source == kWaveFromResource ? WaveModule::number(name) : std::nullopt;
    setName(*wave, number ? "res#" + std::to_string(*number) : std::string(name));
    waves_.push_back(std::move(wave));
    return waves_.back().get();
}

bool MixEngine::isLoaded(const MixWave* wave) const {
    return std::any_of(waves_.begin(), waves_.end(), [wave](const auto& w) { return w.get() == wave; });
}

bool MixEngine::dropWave(PlayEntry*& head, const MixWave* wave) {
    bool any = false;
    for (PlayEntry** link = &head; *link != nullptr;) {
        PlayEntry* e = *link;
        if (e->wave != wave) {
            link = &e->next;
            continue;
        }
        *link = e->next;
        giveBack(e);
        any = true;
    }
    return any;
}

void MixEngine::ReleaseMixWave(MixSession* session, MixWave* wave) {
    MixSession& s = checked(session);
    // Only a wave this engine loaded and has not yet released can be released.
    if (wave == nullptr || !isLoaded(wave)) throw EMixerError(msg::kInvalidPointer);
    freeRetiredWaves();
    const auto it =
        std::find_if(waves_.begin(), waves_.end(), [wave](const auto& w) { return w.get() == wave; });
    std::unique_ptr<MixWave> released = std::move(*it);
    waves_.erase(it);
    if (!deviceMixes()) {
        dropPlaysOf(s, wave);
        return;
    }
    // The mixing thread drops its plays; the samples stay until it has let go of the last.
    if (wave->plays.load(std::memory_order_acquire) == 0) return;
    PlayParams params;
    params.wave = wave;
    retired_.push_back(std::move(released));
    // A full lane leaves the plays to end by themselves.
    lane_->post(MixRequest{MixRequest::Kind::DropWave, params});
}

void MixEngine::dropPlaysOf(MixSession& s, const MixWave* wave) {
    for (int c = 0; c < kMixChannels; ++c)
        if (s.isOpen(c)) dropWave(s.queues[c], wave);
    // Waiting plays of the wave go too, or they would start later on freed samples.
    dropWave(s.waitingHead, wave);
    s.waitingTail = s.waitingHead;
    while (s.waitingTail != nullptr && s.waitingTail->next != nullptr) s.waitingTail = s.waitingTail->next;
}

void MixEngine::freeRetiredWaves() {
    std::erase_if(retired_, [](const auto& w) { return w->plays.load(std::memory_order_acquire) == 0; });
}

bool MixEngine::isWaveInUse(const MixWave* wave) const {
    // Every queued, waiting or posted play of the wave is counted in it.
    return session_ && wave->plays.load(std::memory_order_acquire) > 0;
}

}  // namespace sound
