// Stage files in the line-per-value text format.
#include "engine/StageFile.h"

#include "ui/core/TextReader.h"
#include "ui/core/TextWriter.h"

namespace engine {
namespace {

void readStage(ui::TextReader& in, BlockGrid& grid, std::string& title, std::string& author) {
    for (int col = 0; col < kGridSize; ++col)
        for (int row = 0; row < kGridSize; ++row) grid.set(col, row, in.readInt());
    title = in.readLine();
    author = in.readLine();
}

}  // namespace

void loadStageFile(const std::string& path, BlockGrid& grid, std::string& title, std::string& author) {
    ui::TextReader in(path, kMaxStageFileBytes);
    readStage(in, grid, title, author);
}

void loadStageBytes(std::string bytes, BlockGrid& grid, std::string& title, std::string& author) {
    auto in = ui::TextReader::fromBytes(std::move(bytes));
    readStage(in, grid, title, author);
}

void saveStageFile(const std::string& path, const BlockGrid& grid, const std::string& title,
                   const std::string& author) {
    ui::TextWriter out(path);
    for (int col = 0; col < kGridSize; ++col)
        for (int row = 0; row < kGridSize; ++row) out.writeInt(grid.at(col, row));
    out.writeLine(title);
    out.writeLine(author);
    out.commit();
}

}  // namespace engine
