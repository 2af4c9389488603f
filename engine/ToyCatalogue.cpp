// The toy catalogue reader shared by the game and the user-stage player.
#include "engine/ToyCatalogue.h"

#include "base/TextReader.h"

namespace engine {

namespace {

void readCatalogue(base::TextReader& in, std::array<titem, kToyCount>& table) {
    for (titem& toy : table) {
        toy.name = in.readLine();
        toy.rarity = in.readInt();
        toy.about = in.readLine();
    }
}

}  // namespace

void loadToyCatalogue(const std::string& path, std::array<titem, kToyCount>& table) {
    base::TextReader in(path);
    readCatalogue(in, table);
}

void loadToyCatalogueBytes(std::string bytes, std::array<titem, kToyCount>& table) {
    auto in = base::TextReader::fromBytes(std::move(bytes));
    readCatalogue(in, table);
}

}  // namespace engine
