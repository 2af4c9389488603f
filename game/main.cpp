// zorban: the game program.
#include <iostream>
#include <memory>

#include "app/DialogScript.h"
#include "app/GameAudio.h"
#include "app/GamePad.h"
#include "base/ProgramOptions.h"
#include "base/Translation.h"
#include "game/SaveFolder.h"
#include "game/TForm1.h"
#include "ui/qt/CommandLineLanguage.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char** argv) {
    const ui::qt::CommandLineLanguage language("zorban");  // first: it ends last
    base::ProgramOptions options("zorban",
                                 base::translate("Options", "ブロック崩しゲーム、ゾルバンブロック。"),
                                 base::ProgramOptions::Words::translated());
    if (const auto code = options.parse(argc, argv, std::cout, std::cerr)) return *code;
    // Scripted answers instead of the dialogs (end-to-end tests); kept while the platform lives.
    const std::unique_ptr<app::DialogScript> script = app::dialogScriptFromEnvironment();
    int platformArgc = 1;  // the command line is ours: the toolkit reads its settings from the environment
    ui::qt::QtPlatform platform(platformArgc, argv);
    if (script) platform.interceptDialogs(script.get());
    // Two games on the same saves would each overwrite what the other won: the second one hands over.
    if (const auto code = platform.claimSingleInstance("zorban")) return *code;
    game::prepareSaveFolder(platform.services());
    // Made before the window and destroyed after it: it loads and finally releases the channel waves.
    app::GameAudio sound(*platform.services().deviceBell, platform.services().programDir);
    game::TForm1 window(platform.services(), &sound);
    sound.bindKeys(window.form, *platform.services().settings);
    // The window shows first; the sound device opens and the waves load behind it.
    platform.afterFirstPaint([&sound] { sound.open(); });
    app::GamePad pad(platform.services(), window.form, window.engine());
    return platform.run(window.form);
}
