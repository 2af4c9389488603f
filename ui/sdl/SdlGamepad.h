// Game pads through SDL2's game controller API, read on a thread of their own. Pads plugged in or out are
// noticed while the program runs; unknown pads are mapped by SDL_GAMECONTROLLERCONFIG or a mapping file in
// SDL's format. The thread sleeps between looks: while no pad is there it looks for one once a second
// (kNoPadMs), with a pad at the pace the owner asks for (setPollMs). What it reads it hands to the
// receiver, on the pad thread: the owner passes it on to the UI thread.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ui {

struct PadEvent {
    enum class Kind {
        Plugged,    // a pad came (or was there at the start)
        Unplugged,  // a pad went; value: how many are left
        Button,  // index: the button in SDL's order (A, B, X, Y, Back, Guide, Start, ..., DpRight); value 1:
                 // down
        Stick,   // the left stick: index 0 across, 1 down; value -32768..32767
        Still,   // nothing changed (sent while something is held, and now and then while a pad is there)
    };
    Kind kind = Kind::Still;
    int index = 0;
    int value = 0;
};

class SdlGamepad {
  public:
    static constexpr int kNoPadMs = 1000;        // how often pads are looked for while none is there
    static constexpr int kStillReportMs = 1000;  // a pad that does nothing is reported this often
    static constexpr std::size_t kMaxMappingBytes = 1024 * 1024;

    using Receiver = std::function<void(const std::vector<PadEvent>&)>;
    // Starts the pads' thread, or nothing when SDL's game controllers do not start. mappingFile (in SDL's
    // gamecontrollerdb.txt format; may be missing) is read before; SDL_GAMECONTROLLERCONFIG wins over it.
    // scriptFile, when not empty, plays a virtual pad for end-to-end tests (see PadScript).
    static std::unique_ptr<SdlGamepad> create(Receiver receiver, const std::string& mappingFile,
                                              const std::string& scriptFile = {});
    ~SdlGamepad();
    SdlGamepad(const SdlGamepad&) = delete;
    SdlGamepad& operator=(const SdlGamepad&) = delete;

    // How long the thread sleeps between looks while a pad is there; any thread.
    void setPollMs(int ms);

  private:
    struct Pads;
    explicit SdlGamepad(Receiver receiver, const std::string& scriptFile);
    void run();  // the pad thread

    Receiver receiver_;
    std::unique_ptr<Pads> pads_;  // the pad thread's own
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;  // under mutex_
    int pollMs_ = 100;   // under mutex_
    std::thread thread_;
};

}  // namespace ui
