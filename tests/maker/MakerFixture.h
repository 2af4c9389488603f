// A headless editor window in a scratch program folder, with helpers to drive the mouse and the files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "maker/TForm1.h"
#include "ui/core/HeadlessPlatform.h"

namespace makertest {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards; it stands for the program's folder (with dat/).
struct ScratchDir {
    fs::path path;
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() / ("zorban_maker_" + std::string(info->test_suite_name()) + "_" +
                                            info->name() + "_" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path / "dat");
    }
    ~ScratchDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

inline std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

class MakerTest : public ::testing::Test {
  protected:
    static constexpr int kTick = maker::kPaintIntervalMs;  // ms, one paint sample

    ScratchDir dir;
    ui::HeadlessPlatform platform{dir.path.string() + "/"};
    maker::TForm1 w{platform.services()};

    void SetUp() override { platform.start(w.form); }

    fs::path dat(const std::string& name) const { return dir.path / "dat" / name; }

    // Mouse events as the window delivers them, through the dispatcher.
    void move(int x, int y) {
        platform.handle([&] { w.main_box.onMouseMove({ui::MouseButton::Left, x, y}); });
    }
    void press(ui::MouseButton b = ui::MouseButton::Left) {
        platform.handle([&] { w.main_box.onMouseDown({b, 0, 0}); });
    }
    void release(ui::MouseButton b = ui::MouseButton::Left) {
        platform.handle([&] { w.main_box.onMouseUp({b, 0, 0}); });
    }
    // Press over (x, y), hold for one paint sample, release.
    void paintAt(int x, int y) {
        move(x, y);
        press();
        platform.advance(kTick);
        release();
    }
    void click(ui::Button& b) { platform.handle(b.onClick); }

    void load(const fs::path& p) {
        platform.dialogs.openAnswers.push_back(p.string());
        click(w.BitBtn3);
    }
    void save(const fs::path& p) {
        platform.dialogs.saveAnswers.push_back(p.string());
        click(w.BitBtn4);
    }
    base::Colour pixel(int x, int y) const { return w.main_box.picture().colourAt(x, y); }
};

}  // namespace makertest
