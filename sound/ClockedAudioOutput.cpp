// An output paced by the real clock instead of a sound card: silent, or writing what it plays into a WAV
// file.
#include "sound/ClockedAudioOutput.h"

#include <algorithm>

#include "sound/WavFileSink.h"

namespace sound {

namespace {
constexpr std::uint16_t kMaxChannels = 2;
}

ClockedAudioOutput::ClockedAudioOutput(base::Doorbell& bell, std::string deviceName,
                                       std::unique_ptr<PlayedSink> sink)
    : bell_(bell), name_(std::move(deviceName)), sink_(std::move(sink)), worker_([this] { run(); }) {}

ClockedAudioOutput::~ClockedAudioOutput() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    worker_.join();
    if (open_) bell_.setAnswer(nullptr);
    if (sink_) sink_->close();
}

std::unique_ptr<ClockedAudioOutput> ClockedAudioOutput::silent(base::Doorbell& bell) {
    return std::make_unique<ClockedAudioOutput>(bell, "Silent Output", nullptr);
}

std::unique_ptr<ClockedAudioOutput> ClockedAudioOutput::wavFile(base::Doorbell& bell,
                                                                const std::string& path) {
    return std::make_unique<ClockedAudioOutput>(bell, "WAV File Output", std::make_unique<WavFileSink>(path));
}

bool ClockedAudioOutput::capabilities(int, AudioCaps& caps) const {
    caps = AudioCaps{name_, kMaxChannels, false};
    return true;
}

bool ClockedAudioOutput::supportsFormat(int, const WaveFormat& format) const {
    return format.formatTag == kFormatPcm && format.bitsPerSample == 8 && format.channels >= 1 &&
           format.channels <= kMaxChannels && format.samplesPerSec > 0;
}

int ClockedAudioOutput::open(int, const WaveFormat& format, std::function<void()> blockDone) {
    std::lock_guard lock(mutex_);
    if (sink_ && !sink_->open(format)) return kErrorSink;
    blocks_.queue().reset();
    blocks_.setBlockDone(std::move(blockDone));
    bell_.setAnswer([this] { blocks_.deliver(); });
    pacer_.setRate(format.avgBytesPerSec);
    pacer_.start(nowUs());
    open_ = true;
    paused_ = false;
    return 0;
}

int ClockedAudioOutput::write(WaveHeader& header) {
    {
        std::lock_guard lock(mutex_);
        if (blocks_.queue().pendingBytes() == 0) pacer_.start(nowUs());
        if (const int error = blocks_.queue().push(header); error != 0) return error;
    }
    wake_.notify_all();
    return 0;
}

void ClockedAudioOutput::reset() {
    std::lock_guard lock(mutex_);
    blocks_.queue().reset();
    pacer_.start(nowUs());
}

void ClockedAudioOutput::pause() {
    std::lock_guard lock(mutex_);
    playDue(nowUs());
    paused_ = true;
}

void ClockedAudioOutput::restart() {
    {
        std::lock_guard lock(mutex_);
        if (!paused_) return;
        paused_ = false;
        pacer_.start(nowUs());
    }
    wake_.notify_all();
}

std::uint32_t ClockedAudioOutput::positionBytes() const {
    std::lock_guard lock(mutex_);
    std::size_t due = open_ && !paused_ ? pacer_.peek(nowUs()) : 0;
    due = std::min(due, blocks_.queue().pendingBytes());
    return blocks_.queue().position() + static_cast<std::uint32_t>(due);
}

void ClockedAudioOutput::close() {
    std::lock_guard lock(mutex_);
    blocks_.queue().reset();
    blocks_.setBlockDone(nullptr);
    if (open_) bell_.setAnswer(nullptr);
    open_ = false;
    if (sink_) sink_->close();
}

std::uint32_t ClockedAudioOutput::clockMs() const {
    return static_cast<std::uint32_t>(nowUs() / 1000);
}

std::uint64_t ClockedAudioOutput::nowUs() const {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - epoch_)
            .count());
}

void ClockedAudioOutput::playDue(std::uint64_t now) {
    if (!open_ || paused_) return;
    std::size_t due = pacer_.due(now);
    while (due > 0) {
        const std::size_t n = blocks_.queue().consume(buffer_.data(), std::min(due, buffer_.size()));
        if (n == 0) break;  // ran dry: the time passes in silence
        if (sink_) sink_->write(buffer_.data(), n);
        due -= n;
    }
}

void ClockedAudioOutput::run() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
        playDue(nowUs());
        blocks_.tell();
        const std::size_t head = blocks_.queue().headRemaining();
        if (stop_) break;
        if (!open_ || paused_ || head == 0) {
            wake_.wait(lock);
            continue;
        }
        const auto at = epoch_ + std::chrono::microseconds(pacer_.whenDue(head));
        wake_.wait_until(lock, at);
    }
}

}  // namespace sound
