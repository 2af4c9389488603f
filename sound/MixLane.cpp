// The road between the UI thread and the mixing thread: requests one way, ends of plays the other.
#include "sound/MixLane.h"

#include "sound/MixEngine.h"

namespace sound {

void MixLane::deliverEnds() {
    PlayEnd playEnd;
    while (ends_.pop(playEnd)) playEnd.target->mixWaveDone(playEnd.channel, playEnd.wave);
}

void MixLane::serve() noexcept {
    MixRequest request;
    while (requests_.pop(request)) {
        if (engine_ != nullptr)
            engine_->apply(request);
        else if (request.kind == MixRequest::Kind::Play)
            request.params.wave->plays.fetch_sub(1, std::memory_order_acq_rel);
    }
}

void MixLane::end(const PlayEnd& playEnd) noexcept {
    if (ends_.push(playEnd)) bell_.ring();
}

}  // namespace sound
