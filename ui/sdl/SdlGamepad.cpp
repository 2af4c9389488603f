// Game pads on their own thread: hot-plug, buttons and the left stick, handed to the owner.
#include "ui/sdl/SdlGamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "base/InputFile.h"
#include "ui/sdl/PadScript.h"

namespace ui {
namespace {

constexpr int kStickAxes = 2;      // the left stick: SDL_CONTROLLER_AXIS_LEFTX, LEFTY
constexpr int kButtons = 15;       // A .. DpRight
constexpr int kStillStick = 4000;  // a stick pushed further holds something
constexpr int kScriptLookMs = 50;  // a scripted pad's file is read this often

// The mapping file's lines, then SDL_GAMECONTROLLERCONFIG's, which SDL takes last and so wins.
void useMappings(const std::string& mappingFile) {
    std::string mappings;
    try {
        if (!mappingFile.empty()) mappings = base::readWholeFile(mappingFile, SdlGamepad::kMaxMappingBytes);
    } catch (const base::ReadError& e) {
        if (e.failure() != base::ReadFailure::Open || e.error() != ENOENT)
            std::fprintf(stderr, "%s: %s\n", mappingFile.c_str(), e.reason().c_str());
    }
    if (const char* own = std::getenv("SDL_GAMECONTROLLERCONFIG")) mappings += std::string("\n") + own;
    if (mappings.find_first_not_of("\n") != std::string::npos)
        SDL_SetHintWithPriority(SDL_HINT_GAMECONTROLLERCONFIG, mappings.c_str(), SDL_HINT_OVERRIDE);
}

}  // namespace

// The open pads and what they hold; only the pad thread touches them (and the destructor after it ended).
struct SdlGamepad::Pads {
    std::vector<SDL_GameController*> open;
    int buttonsDown = 0;
    int stick[kStickAxes] = {0, 0};
    std::unique_ptr<PadScript> script;

    ~Pads() {
        for (SDL_GameController* c : open) SDL_GameControllerClose(c);
        script.reset();
    }

    bool holding() const {
        return buttonsDown > 0 || std::abs(stick[0]) > kStillStick || std::abs(stick[1]) > kStillStick;
    }

    void look(std::vector<PadEvent>& out) {
        if (script) script->step(open);
        SDL_Event ev;
        while (SDL_PollEvent(&ev) == 1) {
            switch (ev.type) {
                case SDL_CONTROLLERDEVICEADDED:
                    plugged(ev.cdevice.which, out);
                    break;
                case SDL_CONTROLLERDEVICEREMOVED:
                    unplugged(ev.cdevice.which, out);
                    break;
                case SDL_CONTROLLERBUTTONDOWN:
                case SDL_CONTROLLERBUTTONUP:
                    if (ev.cbutton.button < kButtons) {
                        const bool down = ev.type == SDL_CONTROLLERBUTTONDOWN;
                        buttonsDown = std::max(0, buttonsDown + (down ? 1 : -1));
                        out.push_back({PadEvent::Kind::Button, ev.cbutton.button, down ? 1 : 0});
                    }
                    break;
                case SDL_CONTROLLERAXISMOTION:
                    if (ev.caxis.axis < kStickAxes) {
                        stick[ev.caxis.axis] = ev.caxis.value;
                        out.push_back({PadEvent::Kind::Stick, ev.caxis.axis, ev.caxis.value});
                    }
                    break;
                default:
                    break;  // the joystick events beneath, and whatever else SDL reports
            }
        }
    }

    void plugged(int deviceIndex, std::vector<PadEvent>& out) {
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
        if (find(id) != open.end()) return;
        if (SDL_GameController* c = SDL_GameControllerOpen(deviceIndex)) {
            open.push_back(c);
            out.push_back({PadEvent::Kind::Plugged, 0, static_cast<int>(open.size())});
        }
    }

    void unplugged(SDL_JoystickID id, std::vector<PadEvent>& out) {
        const auto it = find(id);
        if (it == open.end()) return;
        SDL_GameControllerClose(*it);
        open.erase(it);
        if (open.empty()) buttonsDown = stick[0] = stick[1] = 0;
        out.push_back({PadEvent::Kind::Unplugged, 0, static_cast<int>(open.size())});
    }

    std::vector<SDL_GameController*>::iterator find(SDL_JoystickID id) {
        return std::find_if(open.begin(), open.end(), [id](SDL_GameController* c) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c)) == id;
        });
    }
};

std::unique_ptr<SdlGamepad> SdlGamepad::create(Receiver receiver, const std::string& mappingFile,
                                               const std::string& scriptFile) {
    // SDL would otherwise catch SIGINT and SIGTERM; the window layer handles them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    useMappings(mappingFile);
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return nullptr;
    return std::unique_ptr<SdlGamepad>(new SdlGamepad(std::move(receiver), scriptFile));
}

SdlGamepad::SdlGamepad(Receiver receiver, const std::string& scriptFile)
    : receiver_(std::move(receiver)), pads_(std::make_unique<Pads>()) {
    if (!scriptFile.empty()) pads_->script = std::make_unique<PadScript>(scriptFile);
    thread_ = std::thread([this] { run(); });
}

SdlGamepad::~SdlGamepad() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
    pads_.reset();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlGamepad::setPollMs(int ms) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (pollMs_ == ms) return;
        pollMs_ = std::max(1, ms);
    }
    wake_.notify_all();  // a faster pace starts now
}

void SdlGamepad::run() {
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastReport = Clock::now();
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        lock.unlock();
        std::vector<PadEvent> events;
        pads_->look(events);
        const Clock::time_point now = Clock::now();
        const bool still =
            !pads_->open.empty() && now - lastReport >= std::chrono::milliseconds(kStillReportMs);
        if (!events.empty() || pads_->holding() || still) {
            if (events.empty()) events.push_back({});
            receiver_(events);
            lastReport = now;
        }
        lock.lock();
        int waitMs = pads_->open.empty() ? kNoPadMs : pollMs_;
        if (pads_->script) waitMs = std::min(waitMs, kScriptLookMs);
        // A faster pace asked for meanwhile wakes the thread at once.
        const int asked = pollMs_;
        wake_.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return stop_ || pollMs_ < asked; });
    }
}

}  // namespace ui
