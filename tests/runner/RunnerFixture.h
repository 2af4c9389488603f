// The runner's window, headless, in a program folder of its own with the toy catalogue and the pictures the
// runner reads at start-up; the folder goes when the test ends.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/BmpFile.h"
#include "engine/PlayEngine.h"
#include "runner/TForm1.h"
#include "tests/engine/RecordingSoundSink.h"
#include "ui/core/HeadlessPlatform.h"

namespace runnertest {

class RunnerFixture : public ::testing::Test {
  protected:
    // The folder (named after the process and the test, under the temporary folder) and the window in it,
    // not started yet.
    void SetUp() override {
        namespace fs = std::filesystem;
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("runner-" + std::string(test->test_suite_name()) + "-" +
                                            std::to_string(::getpid()) + "-" + test->name());
        fs::create_directories(dir_ / "dat");
        fs::create_directories(dir_ / "cg");
        std::ofstream items(dir_ / "dat" / "item.dat", std::ios::binary);
        for (int k = 0; k < engine::kToyCount; ++k)
            items << "toy" << k << "\r\n" << k % 10 + 1 << "\r\nabout\r\n";
        items.close();
        for (const char* name : {"usu1.bmp", "usu2.bmp"})
            std::ofstream(dir_ / "cg" / name, std::ios::binary)
                << base::encodeBmp(base::Bitmap(8, 8, base::colours::Red));
        platform_ = std::make_unique<ui::HeadlessPlatform>(dir_.string() + "/");
        window_ = std::make_unique<runner::TForm1>(platform_->services(), sound_);
    }
    void TearDown() override {
        window_.reset();
        std::filesystem::remove_all(dir_);
    }

    std::filesystem::path dir_;
    enginetest::RecordingSoundSink sound_;
    std::unique_ptr<ui::HeadlessPlatform> platform_;
    std::unique_ptr<runner::TForm1> window_;
};

}  // namespace runnertest
