// An audio output for tests: time moves only when told, every written block and every played byte is kept.
#include "sound/VirtualAudioOutput.h"

#include <limits>

namespace sound {

VirtualAudioOutput::VirtualAudioOutput(PostFn post) : post_(std::move(post)) {}

bool VirtualAudioOutput::capabilities(int, AudioCaps& out) const {
    if (capsFail) return false;
    out = caps;
    return true;
}

bool VirtualAudioOutput::supportsFormat(int, const WaveFormat& format) const {
    return formatSupported && format.formatTag == kFormatPcm && format.bitsPerSample == 8 &&
           format.channels >= 1 && format.channels <= caps.channels;
}

int VirtualAudioOutput::open(int, const WaveFormat& format, std::function<void()> blockDone) {
    if (openError != 0) return openError;
    format_ = format;
    pacer_.setRate(format.avgBytesPerSec);
    pacer_.start(nowUs_);
    blockDone_ = std::move(blockDone);
    open_ = true;
    paused_ = false;
    return 0;
}

int VirtualAudioOutput::prepare(WaveHeader& header) {
    if (prepareError != 0 && prepareCount_++ == prepareFailAt) return prepareError;
    return AudioOutput::prepare(header);
}

int VirtualAudioOutput::write(WaveHeader& header) {
    if (writeError != 0) return writeError;
    if (queue_.pendingBytes() == 0) pacer_.start(nowUs_);
    const int error = queue_.push(header);
    if (error == 0) {
        ++writeCount_;
        if (capture) written_.insert(written_.end(), header.data, header.data + header.bufferLength);
    }
    return error;
}

void VirtualAudioOutput::reset() {
    queue_.reset();
    pacer_.start(nowUs_);
    ++resetCount_;
}

void VirtualAudioOutput::close() {
    queue_.reset();
    blockDone_ = nullptr;
    open_ = false;
}

void VirtualAudioOutput::reserveCapture(std::size_t bytes) {
    played_.reserve(played_.size() + bytes);
    written_.reserve(written_.size() + bytes);
}

void VirtualAudioOutput::advanceMs(std::uint32_t ms) {
    playUntil(nowUs_ + std::uint64_t{ms} * 1000, std::numeric_limits<std::size_t>::max());
}

void VirtualAudioOutput::playBytes(std::size_t bytes) {
    playUntil(std::numeric_limits<std::uint64_t>::max(), bytes);
}

void VirtualAudioOutput::playUntil(std::uint64_t endUs, std::size_t byteLimit) {
    std::size_t left = byteLimit;
    while (left > 0) {
        const std::size_t head = queue_.headRemaining();
        if (!open_ || paused_ || head == 0) break;
        const std::size_t step = head < left ? head : left;
        const std::uint64_t at = pacer_.whenDue(step);
        if (at > endUs) break;
        nowUs_ = at;
        const std::size_t got = take(pacer_.due(at));
        left -= got < left ? got : left;
        if (queue_.hasFinished()) {
            if (post_)
                post_([this] { deliver(); });
            else
                deliver();
        }
    }
    if (endUs != std::numeric_limits<std::uint64_t>::max()) {
        // The part of a block that is due by endUs plays too; an idle device just lets the time pass.
        if (open_ && !paused_ && queue_.headRemaining() > 0) {
            take(pacer_.due(endUs));
        }
        nowUs_ = endUs;
    }
}

std::size_t VirtualAudioOutput::take(std::size_t n) {
    if (!capture) return queue_.consume(nullptr, n);
    const std::size_t old = played_.size();
    played_.resize(old + n);
    const std::size_t got = queue_.consume(played_.data() + old, n);
    played_.resize(old + got);
    return got;
}

void VirtualAudioOutput::deliver() {
    const int finished = queue_.collectFinished();
    for (int i = 0; i < finished && blockDone_; ++i) blockDone_();
}

}  // namespace sound
