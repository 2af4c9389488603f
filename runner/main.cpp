// zorban_runner: plays one stage file at a time.
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "app/DialogScript.h"
#include "app/GameAudio.h"
#include "app/GamePad.h"
#include "base/ProgramOptions.h"
#include "base/Translation.h"
#include "runner/DemoPlay.h"
#include "runner/TForm1.h"
#include "solver/MovesFile.h"
#include "ui/qt/CommandLineLanguage.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char** argv) {
    const ui::qt::CommandLineLanguage language("zorban_runner");  // first: it ends last
    base::ProgramOptions options(
        "zorban_runner", base::translate("Options", "ゾルバンブロックのステージファイルを一つずつ遊びます。"),
        base::ProgramOptions::Words::translated());
    options.addFiles("FILE", 1, base::translate("Options", "すぐに遊ぶステージファイル"));
    options.addOption("--demo", {"FILE"},
                      base::translate("Options", "ソルバーの手でステージを CLEAR まで自動で遊びます"));
    options.addOption(
        "--replay", {"MOVES", "FILE"},
        base::translate("Options",
                        "手順ファイル (zorban_solve --moves-file) の手でステージを自動で遊びます"));
    if (const auto code = options.parse(argc, argv, std::cout, std::cerr)) return *code;
    const bool demo = options.has("--demo"), replay = options.has("--replay");
    if ((demo && replay) || ((demo || replay) && !options.files().empty())) {
        std::cerr << "zorban_runner: "
                  << base::translate("Options", "--demo、--replay、遊ぶ FILE は一度に一つしか指定できません")
                  << "\n"
                  << options.usage();
        return base::ProgramOptions::kExitUsage;
    }
    std::vector<solver::Move> moves;
    std::string stageFile;
    try {
        if (replay) {
            moves = solver::readMovesFile(options.values("--replay")[0]);
            stageFile = options.values("--replay")[1];
        } else if (demo) {
            stageFile = options.values("--demo")[0];
            std::string note;
            moves = runner::DemoPlay::solve(stageFile, note);
            if (!note.empty()) std::cerr << "zorban_runner: " << note << '\n';
        }
    } catch (const std::exception& e) {
        std::cerr << "zorban_runner: " << e.what() << '\n';
        return 1;
    }

    // Scripted answers instead of the dialogs (end-to-end tests); kept while the platform lives.
    const std::unique_ptr<app::DialogScript> script = app::dialogScriptFromEnvironment();
    int platformArgc = 1;  // the command line is ours: the toolkit reads its settings from the environment
    ui::qt::QtPlatform platform(platformArgc, argv);
    if (script) platform.interceptDialogs(script.get());
    app::GameAudio sound(*platform.services().deviceBell, platform.services().programDir);
    runner::TForm1 window(platform.services(), sound);
    sound.bindKeys(window.form, *platform.services().settings);
    // The window shows first; the sound device opens and the waves load behind it.
    platform.afterFirstPaint([&sound] { sound.open(); });
    std::unique_ptr<runner::DemoPlay> demoPlay;
    if (demo || replay)
        demoPlay =
            std::make_unique<runner::DemoPlay>(window, platform.services(), std::move(moves), stageFile);
    else if (!options.files().empty())
        window.playStageAtStart(options.files().front());
    // The player's pads play, except in a demo, which the player only watches.
    std::optional<app::GamePad> pad;
    if (!demoPlay) pad.emplace(platform.services(), window.form, window.engine());
    return platform.run(window.form);
}
