// The toy catalogue reader shared by the game and the user-stage player.
#include "engine/ToyCatalogue.h"

#include "ui/core/TextReader.h"

namespace engine {

void loadToyCatalogue(const std::string& path, std::array<titem, kToyCount>& table) {
    ui::TextReader in(path);
    for (titem& toy : table) {
        toy.name = in.readLine();
        toy.rarity = in.readInt();
        toy.about = in.readLine();
    }
}

}  // namespace engine
