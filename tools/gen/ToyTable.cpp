// Reads the toy table source and checks what the toy panel and the lottery rely on.
#include "tools/gen/ToyTable.h"

#include <set>
#include <sstream>
#include <stdexcept>

#include "base/TextReader.h"

namespace gen {
namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

int number(const std::string& text, const std::string& where) {
    std::int32_t value = 0;
    if (!base::parseInt32(text, value)) throw std::runtime_error(where + "not a number: '" + text + "'");
    return value;
}

}  // namespace

std::vector<Toy> parseToyTable(const std::string& text, const std::string& sourceName) {
    std::vector<Toy> toys(kToySlots);
    std::vector<bool> given(kToySlots, false);
    std::set<std::string> names;
    std::istringstream in(text);
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        const std::string where = sourceName + ":" + std::to_string(lineNo) + ": ";
        const auto f = splitTabs(line);
        if (f.size() != 5) throw std::runtime_error(where + "5 tab-separated fields expected");
        const int slot = number(f[0], where);
        if (slot < 0 || slot > kLastDrawnSlot) throw std::runtime_error(where + "slot outside 0..511");
        if (given[slot]) throw std::runtime_error(where + "slot " + f[0] + " given twice");
        given[slot] = true;
        Toy& toy = toys[slot];
        toy.name = f[1];
        if (toy.name.empty()) throw std::runtime_error(where + "empty name");
        if (!names.insert(toy.name).second)
            throw std::runtime_error(where + "name '" + toy.name + "' used twice");
        toy.rarity = number(f[2], where);
        if (toy.rarity < 1 || toy.rarity > 10) throw std::runtime_error(where + "rarity outside 1..10");
        const auto colon = f[3].find(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == f[3].size())
            throw std::runtime_error(where + "picture recipe 'kind:colour' expected");
        toy.kind = f[3].substr(0, colon);
        toy.colour = f[3].substr(colon + 1);
        toy.about = f[4];
    }
    return toys;
}

}  // namespace gen
