// gen_sounds: synthesizes the game's sound effects into RIFF WAVE files of the given folder.
#include <fstream>
#include <iostream>

#include "tools/gen/SoundRecipes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gen_sounds <dat folder>\n";
        return 2;
    }
    for (const auto& sound : gen::soundEffects()) {
        const std::string path = std::string(argv[1]) + "/" + sound.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << gen::encodeWave(sound);
        if (!out.flush()) {
            std::cerr << "gen_sounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
