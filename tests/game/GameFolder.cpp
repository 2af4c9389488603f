// The temporary game folder of the window tests.
#include "GameFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/Bitmap.h"
#include "base/BmpFile.h"
#include "base/Cp932.h"
#include "engine/StageFile.h"

namespace gametest {

GameFolder::GameFolder() {
    std::filesystem::create_directories(root_ / "dat");
    std::filesystem::create_directories(root_ / "cg");
}

void GameFolder::write(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(root_ / relative, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string GameFolder::read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> GameFolder::lines(const std::string& relative) const {
    const std::string bytes = read(relative);
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << relative << ": last line without CR LF";
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << relative << ": bare LF";
        out.push_back(base::fromCp932(line));
        start = end + 2;
    }
    return out;
}

void GameFolder::writeLines(const std::string& relative, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& l : lines) bytes += base::toCp932(l) + "\r\n";
    write(relative, bytes);
}

void GameFolder::writeStage(int course, int stage, const engine::BlockGrid& grid, const std::string& title,
                            const std::string& author) const {
    engine::saveStageFile(
        path("dat/map" + std::to_string(course) + "-" + std::to_string(stage) + ".dat").string(), grid, title,
        author);
}

void GameFolder::writeStage(int course, int stage) const {
    engine::BlockGrid grid;
    grid.set(5, 5, engine::White);
    writeStage(course, stage, grid, "stage " + std::to_string(stage), "tester");
}

void GameFolder::writeAllStages() const {
    for (int c = 1; c <= 6; ++c)
        for (int s = 0; s <= kLastStage[c]; ++s) writeStage(c, s);
}

void GameFolder::writeCatalogue(const std::vector<std::string>& names) const {
    std::vector<std::string> lines;
    for (int k = 0; k < 513; ++k) {
        lines.push_back(k < static_cast<int>(names.size()) ? names[k] : "");
        lines.push_back(std::to_string(k % 10));
        lines.push_back("about " + std::to_string(k));
    }
    writeLines("dat/item.dat", lines);
}

void GameFolder::writeCommon(std::int32_t clearCount, std::int32_t course3Cleared, std::int32_t money,
                             const std::vector<std::int32_t>& toys) const {
    std::vector<std::string> lines{std::to_string(clearCount), std::to_string(course3Cleared),
                                   std::to_string(money)};
    for (int k = 0; k < 513; ++k)
        lines.push_back(std::to_string(k < static_cast<int>(toys.size()) ? toys[k] : 0));
    writeLines("dat/my.dat", lines);
}

void GameFolder::writeCourse(int course, std::int32_t hiScore, std::int32_t hiMaxCombo) const {
    writeLines("dat/my" + std::to_string(course) + ".dat",
               {"", "0", std::to_string(hiScore), "99", "50", "10", "0", "-1", "0", "0", "0",
                std::to_string(hiMaxCombo)});
}

void GameFolder::writePictures(const std::vector<int>& toySlots) const {
    write("cg/usu1.bmp", base::encodeBmp(base::Bitmap(8, 8, base::colours::Blue)));
    write("cg/usu2.bmp", base::encodeBmp(base::Bitmap(8, 8, base::colours::Red)));
    for (int k : toySlots)
        write("cg/unit" + std::to_string(k) + ".bmp",
              base::encodeBmp(base::Bitmap(4, 4, base::colours::Lime)));
}

void GameFolder::install() const {
    std::vector<std::string> names;
    for (int k = 0; k < 20; ++k) names.push_back("toy" + std::to_string(k));
    writeCatalogue(names);
    writePictures();
    writeCommon(0, 0, 0);
    for (int c = 1; c <= 6; ++c) writeCourse(c);
}

}  // namespace gametest
