// The stage file that test play hands to the stage player: in a private folder among the temporary files,
// never in the player's own folders, and removed with it.
#pragma once

#include <string>

#include "maker/Design.h"

namespace maker {

class TestPlayFile {
  public:
    TestPlayFile() = default;
    ~TestPlayFile();
    TestPlayFile(const TestPlayFile&) = delete;
    TestPlayFile& operator=(const TestPlayFile&) = delete;

    // Writes d as a stage file, replacing the one written before, and returns its full path. The folder is
    // made on first use under base, or, when base is empty, under $XDG_RUNTIME_DIR when that takes new files,
    // else under the system's temporary folder.
    std::string write(const Design& d, const std::string& base = "");
    // The folder, empty before the first write.
    const std::string& folder() const { return folder_; }

  private:
    std::string folder_;
};

}  // namespace maker
