// zorban_runner: plays one stage file at a time.
#include <iostream>

#include "runner/TForm1.h"
#include "ui/core/ProgramOptions.h"
#include "ui/qt/QtPlatform.h"
#include "ui/sdl/GameAudio.h"

int main(int argc, char** argv) {
    ui::ProgramOptions options("zorban_runner", "Plays one Zorban stage file at a time.");
    options.addFiles("FILE", 1, "a stage file to play at once");
    if (const auto code = options.parse(argc, argv, std::cout, std::cerr)) return *code;

    int platformArgc = 1;  // the command line is ours: the toolkit reads its settings from the environment
    ui::qt::QtPlatform platform(platformArgc, argv);
    ui::GameAudio sound(*platform.services().deviceBell, platform.services().programDir);
    runner::TForm1 window(platform.services(), sound);
    sound.bindKeys(window.form, *platform.services().settings);
    if (!options.files().empty()) window.playStageAtStart(options.files().front());
    return platform.run(window.form);
}
