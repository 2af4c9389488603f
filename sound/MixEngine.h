// The mixer's process-wide state and its session engine: eight channel queues summed into a ring of blocks.
// The engine runs on the UI thread, unless its output has a lane (MixLane): then, while the output's device
// plays, the device's thread owns the plays and renders, the UI thread posts its plays, stops and drops
// through the lane, and every other change first takes the engine back from the device.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sound/AudioOutput.h"
#include "sound/MasterVolume.h"
#include "sound/MixBlock.h"
#include "sound/MixLane.h"
#include "sound/MixSession.h"
#include "sound/MixWave.h"
#include "sound/PlayEntry.h"
#include "sound/PlayParams.h"

namespace sound {

class WaveModule;

// Optional argument of InitMixSession; a record whose size is not 10 is ignored.
struct MixInitConfig {
    std::uint16_t size = 10;
    std::uint32_t flags = 0;     // kConfigChannels, kConfigRate
    std::uint16_t channels = 0;  // wanted output channels
    std::uint16_t rateCode = 0;  // 11, 22 or 44 (kHz)
};
inline constexpr std::uint16_t kMixInitConfigSize = 10;
inline constexpr std::uint32_t kConfigChannels = 1;
inline constexpr std::uint32_t kConfigRate = 2;

// Flags of CloseMixChannel and FlushMixChannel.
inline constexpr std::uint32_t kMixAllChannels = 1;
inline constexpr std::uint32_t kMixNoRemix = 2;

// Modes of OpenMixChannel.
inline constexpr int kOpenOne = 0;
inline constexpr int kOpenAll = 1;
inline constexpr int kOpenCount = 2;

// Sources of LoadMixWave.
inline constexpr int kWaveFromFile = 1;
inline constexpr int kWaveFromResource = 2;
inline constexpr int kWaveFromMemory = 4;

inline constexpr int kPlayEntryPool = 100;  // plays that can be queued at once over all channels

class MixEngine {
  public:
    // The output must outlive the engine. iniPath names SOUNDMIX.INI (a missing file gives every default).
    MixEngine(AudioOutput& output, std::string iniPath);
    ~MixEngine();
    MixEngine(const MixEngine&) = delete;
    MixEngine& operator=(const MixEngine&) = delete;

    // Every operation raises EMixerError with the mixer's own message on failure. While the device's thread
    // mixes, a play is checked against the session and the wave and then posted: it fails later only when no
    // play entry is free, and is then not heard; a play on the channel the mixer chooses does not write the
    // chosen channel back.
    MixSession* InitMixSession(const MixInitConfig* config);
    void ActivateMixSession(MixSession* session, bool on);
    void OpenMixChannel(MixSession* session, int channel, int mode);
    void CloseMixChannel(MixSession* session, int channel, std::uint32_t flags);
    void FlushMixChannel(MixSession* session, int channel, std::uint32_t flags);
    // source kWaveFromFile: name is a path; kWaveFromResource: a resource of module named name ("#n" for
    // number n); kWaveFromMemory: memoryFile holds the RIFF image and name only names the wave.
    MixWave* LoadMixWave(MixSession* session, std::string_view name, const WaveModule* module, int source,
                         std::span<const std::uint8_t> memoryFile = {});
    void ReleaseMixWave(MixSession* session, MixWave* wave);
    void PlayMixWave(PlayParams* params);
    void EndMixSession(MixSession* session);
    // Runs for every block the output reports done: reclaims blocks, retires finished plays, renders new
    // blocks.
    void ServiceMixDevice();
    // The thread that owns the plays (see MixLane): applies one request of the UI thread; failures are not
    // heard. Allocates nothing.
    void apply(const MixRequest& request) noexcept;

    // Inspection, for the component and for tests; those of the plays and blocks only from the thread that
    // owns them.
    MixSession* currentSession() const { return current_; }
    MixSession* deviceOwner() const { return owner_; }
    // True while any queued or waiting play still uses the wave (after that it can be released without a
    // gap).
    bool isWaveInUse(const MixWave* wave) const;
    int freeEntries() const;
    std::size_t loadedWaves() const { return waves_.size(); }
    int blocksAtDevice() const;
    std::uint32_t currentPosition(const MixSession& session) const;

    // The player's volume and mute, applied to every block rendered from now on.
    MasterVolume& masterVolume() { return volume_; }
    const MasterVolume& masterVolume() const { return volume_; }
    // Times the output ran out of blocks in the middle of a sound because a block came too late (a gap).
    std::uint32_t underruns() const { return underruns_.load(std::memory_order_relaxed); }

  private:
    MixSession& checked(MixSession* session);
    // Lane outputs: true while the device's thread owns the plays and the blocks.
    bool deviceMixes() const { return lane_ != nullptr && lane_->deviceMixes(); }
    // Lane outputs: the device's thread stops mixing and the requests it had not applied are applied here.
    void own();
    // Lane outputs: the device starts mixing if blocks wait for it.
    void wakeDevice();
    void postPlay(MixSession& s, PlayParams& params);
    void postRequest(MixRequest::Kind kind, const PlayParams& params);
    void freeRetiredWaves();
    const char* enterPlay(MixSession& s, PlayParams& params);
    static void checkFlush(const MixSession& s, int channel, std::uint32_t flags);  // raises what Flush would
    void flush(MixSession& s, int channel, std::uint32_t flags);
    void dropPlaysOf(MixSession& s, const MixWave* wave);
    bool isLoaded(const MixWave* wave) const;
    PlayEntry* takeEntry();
    void giveBack(PlayEntry* entry);
    bool dropChannel(MixSession& s, int channel);
    bool dropWave(PlayEntry*& head, const MixWave* wave);
    void dropWaiting(MixSession& s);

    std::uint32_t deviceCounter(const MixSession& s) const;  // byte counter corrected by the offset
    void setPosition(MixSession& s, std::uint32_t position);
    void stopKeepingPosition(MixSession& s);

    void openDevice(MixSession& s);
    void closeDevice(MixSession& s);
    void releaseDeviceQueue();
    void appendToDeviceQueue(MixBlock* block);
    void unlinkFromDeviceQueue(MixBlock* block);
    void submit(MixBlock* block);

    MixBlock* renderBlock(MixSession& s);
    bool renderAndSubmit(MixSession& s);
    void fillBlock(MixSession& s, std::uint8_t* out, std::array<PlayEntry*, kMixChannels>& sounding,
                   int count);
    void remix(MixSession& s, PlayEntry* entry, std::uint32_t start);
    void placeWaiting(MixSession& s);
    int chooseLruChannel(const MixSession& s) const;
    bool soundingAcross(const MixSession& s, std::uint32_t position) const;
    void onBlockDone();

    AudioOutput& output_;
    std::string iniPath_;
    std::unique_ptr<MixSession> session_;  // the one session of the process
    MixSession* current_ = nullptr;
    MixSession* owner_ = nullptr;  // the session that owns the device
    std::array<PlayEntry, kPlayEntryPool> pool_{};
    PlayEntry* freeEntries_ = nullptr;
    std::unique_ptr<std::array<MixBlock, kBlockRingSize>> blocks_;  // allocated at activation
    MixBlock* deviceHead_ = nullptr;  // blocks written to the device, oldest first
    MixBlock* deviceTail_ = nullptr;
    std::vector<std::unique_ptr<MixWave>> waves_;  // every loaded wave until it is released (UI thread)
    std::vector<std::unique_ptr<MixWave>>
        retired_;  // released while the device's thread still had plays of it
    MasterVolume volume_;
    std::atomic<std::uint32_t> underruns_{0};  // counted by ServiceMixDevice
    MixLane* lane_ = nullptr;                  // the output's lane while the device is open

    std::array<PlayEnd, kPlayEntryPool> notices_{};  // end-of-play notices gathered during one service
};

}  // namespace sound
