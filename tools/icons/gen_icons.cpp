// gen_icons: writes the icons of the three programs, as SVG and as PNG in the usual theme sizes.
// Usage: gen_icons OUTPUT_FOLDER GAME_ID RUNNER_ID MAKER_ID
// Writes OUTPUT_FOLDER/scalable/apps/<id>.svg and OUTPUT_FOLDER/<n>x<n>/apps/<id>.png for every size below,
// the layout of an icon theme.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tools/icons/IconDesigns.h"
#include "tools/icons/IconRaster.h"
#include "tools/icons/PngFile.h"
#include "tools/icons/SvgFile.h"

namespace fs = std::filesystem;

namespace {

// Pixel sizes of the PNG icons: the sizes desktops ask the hicolor theme for.
constexpr int kPngSizes[] = {16, 24, 32, 48, 64, 128, 256};

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + temporary.string());
    }
    fs::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER GAME_ID RUNNER_ID MAKER_ID\n", argv[0]);
        return 2;
    }
    try {
        const fs::path out = argv[1];
        for (const icons::IconDesign& design :
             {icons::gameIcon(argv[2]), icons::runnerIcon(argv[3]), icons::makerIcon(argv[4])}) {
            writeFile(out / "scalable" / "apps" / (design.id + ".svg"), icons::encodeSvg(design));
            for (int size : kPngSizes) {
                const std::string folder = std::to_string(size) + "x" + std::to_string(size);
                writeFile(out / folder / "apps" / (design.id + ".png"),
                          icons::encodePng(icons::rasterize(design, size)));
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen_icons: %s\n", e.what());
        return 1;
    }
    return 0;
}
