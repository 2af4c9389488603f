// Turns the reviewable stage sources into block grids, refusing anything a stage file must not hold.
#include "tools/gen/CourseSource.h"

#include <sstream>
#include <stdexcept>

#include "engine/BlockChars.h"

namespace gen {
namespace {

// Splits text into lines without their CR LF / LF, numbered from 1.
class LineSource {
  public:
    LineSource(const std::string& text, std::string name) : in_(text), name_(std::move(name)) {}

    // The next line that is neither blank nor a comment; false at the end.
    bool next(std::string& line) {
        while (std::getline(in_, line)) {
            ++number_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty() && line.front() != ';') return true;
        }
        return false;
    }
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(name_ + ":" + std::to_string(number_) + ": " + what);
    }
    std::string expect(const std::string& what) {
        std::string line;
        if (!next(line)) fail("unexpected end, " + what + " expected");
        return line;
    }

  private:
    std::istringstream in_;
    std::string name_;
    int number_ = 0;
};

std::string valueAfter(LineSource& src, const std::string& key) {
    const std::string line = src.expect("'" + key + "'");
    const std::string prefix = key + ": ";
    if (line.rfind(prefix, 0) != 0) src.fail("'" + prefix + "<text>' expected");
    return line.substr(prefix.size());
}

void readGrid(LineSource& src, engine::BlockGrid& grid) {
    for (int row = 1; row <= engine::kFieldRows; ++row) {
        const std::string line = src.expect("grid row " + std::to_string(row));
        if (line.size() != static_cast<std::size_t>(engine::kFieldCols))
            src.fail("grid row " + std::to_string(row) + " must have exactly 10 characters");
        for (int col = 1; col <= engine::kFieldCols; ++col) {
            const char c = line[col - 1];
            const auto code = engine::blockCodeOf(c);
            if (!code) src.fail(std::string("unknown block character '") + c + "'");
            if (row == engine::kBarRow && *code != engine::Empty) src.fail("the bar row (18) must be empty");
            grid.set(col, row, *code);
        }
    }
}

}  // namespace

std::vector<StageSource> parseCourseSource(const std::string& text, const std::string& sourceName) {
    LineSource src(text, sourceName);
    std::vector<StageSource> stages;
    std::string line;
    while (src.next(line)) {
        const std::string expected = "stage " + std::to_string(stages.size());
        if (line != expected) src.fail("'" + expected + "' expected");
        StageSource stage;
        stage.index = static_cast<int>(stages.size());
        stage.title = valueAfter(src, "title");
        stage.author = valueAfter(src, "author");
        readGrid(src, stage.grid);
        stages.push_back(std::move(stage));
    }
    return stages;
}

}  // namespace gen
