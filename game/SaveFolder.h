// The folder for saves outside the program's folder: made on first run with the initial save files.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/core/Services.h"

namespace game {

// The save files a fresh game folder ships in dat/: the common file, then the six course files.
inline constexpr std::array<const char*, 7> kInitialSaveFiles = {"my.dat",  "my1.dat", "my2.dat", "my3.dat",
                                                                 "my4.dat", "my5.dat", "my6.dat"};

// What prepareSaveFolder did with each initial save file (file names such as "my1.dat").
struct SaveFolderReport {
    std::vector<std::string> copied;   // copied from the program's dat/ into the save folder
    std::vector<std::string> missing;  // neither folder has it: the window reports it when it reads the file
    std::vector<std::string> failed;   // could not be copied: the name, ": " and the system's reason
};

// When services.dataDir is not the program's folder, gives it what a fresh game folder has: a dat/ folder
// with the initial save files that the program's folder holds, copying none over a file that exists.
// Nothing is shown: what is still missing is reported by the window when it reads or writes the saves.
SaveFolderReport prepareSaveFolder(const ui::Services& services);

// Puts a copy of from at to unless to exists (even as a dangling link): the copy is made in a private
// temporary beside to, synced to disk and then hard-linked in place, which never replaces a file, so to is
// either absent or complete. Returns
// false when to already existed; throws std::filesystem::filesystem_error when the copy fails.
bool copyIfMissing(const std::string& from, const std::string& to);

}  // namespace game
