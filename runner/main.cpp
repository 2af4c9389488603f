// zorban_runner: plays one stage file at a time.
#include "runner/TForm1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/sdl/GameAudio.h"

int main(int argc, char** argv) {
    ui::qt::QtPlatform platform(argc, argv);
    ui::GameAudio sound(platform.services().postToUi, platform.services().programDir);
    runner::TForm1 window(platform.services(), sound);
    sound.bindKeys(window.form, *platform.services().settings);
    return platform.run(window.form);
}
