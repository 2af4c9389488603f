// Stage files in the line-per-value text format.
#include "engine/StageFile.h"

#include "base/TextReader.h"
#include "base/TextWriter.h"

namespace engine {
namespace {

void readStage(base::TextReader& in, BlockGrid& grid, std::string& title, std::string& author) {
    for (int col = 0; col < kGridSize; ++col)
        for (int row = 0; row < kGridSize; ++row) grid.set(col, row, in.readInt());
    title = in.readLine();
    author = in.readLine();
}

}  // namespace

void loadStageFile(const std::string& path, BlockGrid& grid, std::string& title, std::string& author) {
    base::TextReader in(path, kMaxStageFileBytes);
    readStage(in, grid, title, author);
}

void loadStageBytes(std::string bytes, BlockGrid& grid, std::string& title, std::string& author) {
    auto in = base::TextReader::fromBytes(std::move(bytes));
    readStage(in, grid, title, author);
}

void saveStageFile(const std::string& path, const BlockGrid& grid, const std::string& title,
                   const std::string& author) {
    base::TextWriter out(path);
    for (int col = 0; col < kGridSize; ++col)
        for (int row = 0; row < kGridSize; ++row) out.writeInt(grid.at(col, row));
    out.writeLine(title);
    out.writeLine(author);
    out.commit();
}

}  // namespace engine
