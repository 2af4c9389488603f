// The game folder of the save-file fuzzers.
#include "SaveFolderFixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/Bitmap.h"
#include "base/BmpFile.h"

namespace fuzzgame {

SaveFolderFixture::SaveFolderFixture() {
    std::string pattern = "/dev/shm/zorban-fuzz-save-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern + "/";
    std::filesystem::create_directories(root_ + "dat");
    write("dat/item.dat", "");
    // The toy panel's picture, so that making a window throws nothing.
    std::filesystem::create_directories(root_ + "cg");
    write("cg/toy_panel.bmp", base::encodeBmp(base::Bitmap(4, 4, base::colours::Black)));
    platform_ = std::make_unique<ui::HeadlessPlatform>(root_);
}

SaveFolderFixture::~SaveFolderFixture() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

SaveFolderFixture& SaveFolderFixture::instance() {
    static SaveFolderFixture fixture;
    return fixture;
}

void SaveFolderFixture::write(const std::string& relative, const std::string& bytes) const {
    std::ofstream(root_ + relative, std::ios::binary | std::ios::trunc) << bytes;
}

std::string SaveFolderFixture::read(const std::string& relative) const {
    std::ifstream in(root_ + relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void SaveFolderFixture::remove(const std::string& relative) const {
    std::filesystem::remove(root_ + relative);
}

std::vector<std::string> SaveFolderFixture::takeAside(const std::string& name) const {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(root_ + "dat")) {
        const std::string n = e.path().filename().string();
        if (!n.starts_with(name + ".unreadable-")) continue;
        found.push_back(read("dat/" + n));
        remove("dat/" + n);
    }
    return found;
}

}  // namespace fuzzgame
