// A temporary game folder for window tests: dat/ with stages, a toy catalogue and save files, cg/ with
// pictures.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/BlockGrid.h"
#include "tests/base/TempDir.h"

namespace gametest {

class GameFolder {
  public:
    GameFolder();

    // The program folder with its trailing '/', as ui::Services::programDir holds it.
    std::string programDir() const { return root_.string() + "/"; }
    std::filesystem::path path(const std::string& relative) const { return root_ / relative; }

    // Raw bytes in and out.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    // Lines in UTF-8, split at CR LF; fails the test when a line ends otherwise.
    std::vector<std::string> lines(const std::string& relative) const;
    // Lines given in UTF-8, written in code page 932 with CR LF.
    void writeLines(const std::string& relative, const std::vector<std::string>& lines) const;

    // A stage of course c, index s: the grid given, or one white block at (5, 5).
    void writeStage(int course, int stage, const engine::BlockGrid& grid, const std::string& title = "t",
                    const std::string& author = "a") const;
    void writeStage(int course, int stage) const;
    // Every stage of every course, each one white block at (5, 5).
    void writeAllStages() const;
    // item.dat with the names given for slots 0.. (the rest empty), rarity k % 10, description "about k".
    void writeCatalogue(const std::vector<std::string>& names) const;
    // my.dat: counts, money and the toy counts given for slots 0.. (the rest 0).
    void writeCommon(std::int32_t clearCount, std::int32_t course3Cleared, std::int32_t money,
                     const std::vector<std::int32_t>& toys = {}) const;
    // my1.dat .. my6.dat with hiScore and hiMaxCombo.
    void writeCourse(int course, std::int32_t hiScore = 0, std::int32_t hiMaxCombo = 1) const;
    // cg/usu1.bmp, cg/usu2.bmp and cg/unit<k>.bmp for the slots given.
    void writePictures(const std::vector<int>& toySlots = {}) const;
    // An installation without stages: catalogue of 20 toys, pictures, fresh save files.
    void install() const;

  private:
    testutil::TempDir temp_;
    std::filesystem::path root_ = temp_.path();
};

// The last stage index of each course 0..6.
inline constexpr int kLastStage[7] = {8, 10, 10, 23, 10, 12, 9};

}  // namespace gametest
