// zorban_maker: the stage editor program.
#include "maker/TForm1.h"
#include "ui/qt/QtPlatform.h"

int main(int argc, char** argv) {
    ui::qt::QtPlatform platform(argc, argv);
    maker::TForm1 window(platform.services());
    return platform.run(window.form);
}
