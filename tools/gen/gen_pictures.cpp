// gen_pictures: draws the toy pictures unit<k>.bmp, the beat animation frames and the toy panel picture.
#include <fstream>
#include <iostream>
#include <map>

#include "base/BmpFile.h"
#include "tools/gen/ShapeScript.h"
#include "tools/gen/SourceFile.h"
#include "tools/gen/ToyPicture.h"
#include "tools/gen/ToyTable.h"

namespace {

// Fixed pictures of the script and the palette their colour roles take.
const std::map<std::string, std::string> kFixedPictures{
    {"usu1", "yellow"}, {"usu2", "yellow"}, {"toy_panel", "pink"}};

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: gen_pictures <toys.tsv> <pictures.txt> <cg folder>\n";
        return 2;
    }
    const std::string cg = argv[3];
    try {
        const auto toys = gen::parseToyTable(gen::readSourceFile(argv[1]), argv[1]);
        std::map<std::string, gen::Drawing> drawings;
        for (auto& d : gen::parseShapeScript(gen::readSourceFile(argv[2]), argv[2]))
            drawings[d.name] = std::move(d);
        auto drawingOf = [&](const std::string& name) -> const gen::Drawing& {
            const auto it = drawings.find(name);
            if (it == drawings.end()) throw std::runtime_error("no drawing '" + name + "' in " + argv[2]);
            return it->second;
        };
        for (int slot = 0; slot < static_cast<int>(toys.size()); ++slot) {
            const auto& toy = toys[slot];
            if (toy.name.empty()) continue;
            const auto bmp = gen::toyPicture(slot, toy, drawingOf(toy.kind));
            writeFile(cg + "/unit" + std::to_string(slot) + ".bmp", base::encodeBmp(bmp));
        }
        for (const auto& [name, palette] : kFixedPictures)
            writeFile(cg + "/" + name + ".bmp", base::encodeBmp(gen::fixedPicture(drawingOf(name), palette)));
    } catch (const std::exception& e) {
        std::cerr << "gen_pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
