// zorban_maker: the stage editor program.
#include <iostream>
#include <memory>

#include "app/DialogScript.h"
#include "base/ProgramOptions.h"
#include "base/Translation.h"
#include "maker/TForm1.h"
#include "ui/qt/CommandLineLanguage.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char** argv) {
    const ui::qt::CommandLineLanguage language("zorban_maker");  // first: it ends last
    base::ProgramOptions options("zorban_maker",
                                 base::translate("Options", "ゾルバンブロックのステージエディタ。"),
                                 base::ProgramOptions::Words::translated());
    options.addFiles("FILE", 1, base::translate("Options", "編集するために開くステージファイル"));
    if (const auto code = options.parse(argc, argv, std::cout, std::cerr)) return *code;

    // Scripted answers instead of the dialogs (end-to-end tests); kept while the platform lives.
    const std::unique_ptr<app::DialogScript> script = app::dialogScriptFromEnvironment();
    int platformArgc = 1;  // the command line is ours: the toolkit reads its settings from the environment
    ui::qt::QtPlatform platform(platformArgc, argv);
    if (script) platform.interceptDialogs(script.get());
    maker::TForm1 window(platform.services());
    if (!options.files().empty()) window.loadStageAtStart(options.files().front());
    return platform.run(window.form);
}
