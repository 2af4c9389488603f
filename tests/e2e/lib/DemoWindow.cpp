// A small window with one control of each busy kind, for the end-to-end library's own test: it writes what
// happens to events.txt beside itself, so the test can see handlers run on a real display.
#include <fstream>
#include <memory>
#include <string>

#include "app/DialogScript.h"
#include "base/IoError.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Widgets.h"
#include "ui/qt/QtPlatform.h"

namespace {

constexpr base::Colour kGreen{0, 128, 0};
constexpr int kPenPx = 4;  // side of the square a drag paints

class DemoWindow {
  public:
    explicit DemoWindow(ui::Services& services) : services_(services) {
        form.caption = "e2e demo window";
        form.appTitle = "e2e demo";
        form.background = kGreen;
        status_l.setBackground(base::colours::Red);
        status_l.setCaption("ready");
        push_b.setCaption("push");
        open_b.setCaption("open");
        fail_b.setCaption("fail");
        for (ui::Control* c :
             std::initializer_list<ui::Control*>{&status_l, &push_b, &pad_box, &open_b, &fail_b})
            form.add(*c);
        form.addTimer(Timer1);

        form.onCreate = [this] { pad_box.surface().fill(0, 0, 100, 100, base::colours::Black); };
        form.onClose = [this] {
            log("close");
            return true;
        };
        form.onDestroy = [this] { log("destroy"); };
        Timer1.onTimer = [this] {
            if (ticks_++ == 0) log("tick");
        };
        push_b.onClick = [this] { status_l.setBackground(base::colours::Blue); };
        fail_b.onClick = [] { throw base::IoError(base::IoCode::FileNotFound); };
        open_b.onClick = [this] {
            if (auto path = services_.dialogs.openFile({"demo|*.txt", services_.programDir, ""}))
                log("opened " + *path);
        };
        pad_box.onMouseDown = [this](const ui::MouseEvent& e) {
            painting_ = true;
            paint(e);
        };
        pad_box.onMouseMove = [this](const ui::MouseEvent& e) {
            if (painting_) paint(e);
        };
        pad_box.onMouseUp = [this](const ui::MouseEvent& e) {
            painting_ = false;
            log("up " + std::to_string(e.x) + " " + std::to_string(e.y));
        };
    }

    ui::Form form{"DemoForm", 300, 200};
    ui::Label status_l{"status_l", {0, 0, 150, 30}};
    ui::Button push_b{"push_b", {160, 0, 100, 30}};
    ui::Image pad_box{"pad_box", {0, 50, 100, 100}};
    ui::Button open_b{"open_b", {160, 50, 100, 30}};
    ui::Button fail_b{"fail_b", {160, 90, 100, 30}};
    ui::Timer Timer1{"Timer1", 10, true};

  private:
    void paint(const ui::MouseEvent& e) {
        pad_box.surface().fill(e.x, e.y, e.x + kPenPx, e.y + kPenPx, base::colours::White);
        pad_box.invalidate();
        const ui::Rect r = pad_box.bounds();
        if (e.x < 0 || e.y < 0 || e.x >= r.width || e.y >= r.height)
            log("outside " + std::to_string(e.x) + " " + std::to_string(e.y));
    }
    void log(const std::string& line) {
        std::ofstream(services_.programDir + "events.txt", std::ios::app) << line << '\n';
    }

    ui::Services& services_;
    bool painting_ = false;
    int ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<app::DialogScript> script = app::dialogScriptFromEnvironment();
    ui::qt::QtPlatform platform(argc, argv);
    if (script) platform.interceptDialogs(script.get());
    DemoWindow window(platform.services());
    return platform.run(window.form);
}
