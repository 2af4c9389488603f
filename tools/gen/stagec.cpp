// stagec: compiles one course's stage source into its official stage files map<course>-<index>.dat.
#include <cstdlib>
#include <iostream>
#include <string>

#include "engine/StageFile.h"
#include "tools/gen/CourseSource.h"
#include "tools/gen/SourceFile.h"

namespace {

constexpr const char* kUsage = "usage: stagec <course source> <output folder> <course number> <stage count>";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << kUsage << '\n';
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::string outDir = argv[2];
    const std::string course = argv[3];
    const int expectedCount = std::atoi(argv[4]);
    try {
        const auto stages = gen::parseCourseSource(gen::readSourceFile(sourcePath), sourcePath);
        // The game reads every index up to the course's last one, so a short course is an error.
        if (static_cast<int>(stages.size()) != expectedCount)
            throw std::runtime_error(sourcePath + ": " + std::to_string(stages.size()) + " stages, " +
                                     std::to_string(expectedCount) + " expected");
        for (const auto& stage : stages) {
            const std::string path = outDir + "/map" + course + "-" + std::to_string(stage.index) + ".dat";
            engine::saveStageFile(path, stage.grid, stage.title, stage.author);
        }
    } catch (const std::exception& e) {
        std::cerr << "stagec: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
