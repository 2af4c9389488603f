// gen_items: writes the toy catalogue item.dat (513 groups of name, rarity, description) from toys.tsv.
#include <iostream>

#include "base/TextWriter.h"
#include "tools/gen/SourceFile.h"
#include "tools/gen/ToyTable.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gen_items <toys.tsv> <item.dat>\n";
        return 2;
    }
    try {
        const auto toys = gen::parseToyTable(gen::readSourceFile(argv[1]), argv[1]);
        base::TextWriter out(argv[2]);
        for (const auto& toy : toys) {
            out.writeLine(toy.name);
            out.writeInt(toy.rarity);
            out.writeLine(toy.about);
        }
        out.commit();
    } catch (const std::exception& e) {
        std::cerr << "gen_items: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
