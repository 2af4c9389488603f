// zorban: the game program.
#include "game/TForm1.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char** argv) {
    ui::qt::QtPlatform platform(argc, argv);
    game::TForm1 window(platform.services());
    return platform.run(window.form);
}
