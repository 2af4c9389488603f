// Starting the mixing device when sound is due and stopping it when it has gone quiet.
#include "sound/DeviceMixOutput.h"

namespace sound {

int DeviceMixOutput::open(int, const WaveFormat& format, std::function<void()> blockDone) {
    close();
    format_ = format;
    feed_.queue().reset();
    feed_.setPaused(false);
    feed_.setBlockDone(std::move(blockDone));
    feed_.mixOnDevice(&lane_, std::size_t{format.avgBytesPerSec} * kIdleMs / 1000);
    bell_.setAnswer([this] { answer(); });
    open_ = true;
    return 0;
}

void DeviceMixOutput::close() {
    if (!open_) return;
    stop();
    open_ = false;
    bell_.setAnswer(nullptr);
    feed_.queue().reset();
    feed_.setBlockDone(nullptr);
}

void DeviceMixOutput::wake() {
    if (!open_) return;
    watch();
    if (!mixing_ && feed_.queue().pendingBytes() > 0) start();
}

void DeviceMixOutput::start() {
    feed_.clearIdle(std::size_t{format_.avgBytesPerSec} * kLeadInMs / 1000);
    mixing_ = true;
    lane_.setDeviceMixes(true);
    startDevice();
}

void DeviceMixOutput::stop() {
    if (!mixing_) return;
    stopDevice();
    mixing_ = false;
    lane_.setDeviceMixes(false);
    feed_.clearIdle();
}

void DeviceMixOutput::answer() {
    feed_.deliver();
    watch();
    // A request waiting wakes the idle device's thread by itself. Once taken, the device's thread touches
    // nothing more: the requests posted meanwhile are applied here, and the device starts again for them.
    if (!mixing_ || lane_.requestsWaiting() || !feed_.takeIfIdle()) return;
    stop();
    lane_.serve();
    if (feed_.queue().pendingBytes() > 0) start();
}

}  // namespace sound
