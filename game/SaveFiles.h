// The save files: the common file my.dat (money and toys) and the course files myN.dat (records), and the
// paths of the files the game reads and writes beside them.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "base/IoError.h"
#include "engine/GameState.h"
#include "ui/core/Form.h"
#include "ui/core/Services.h"

namespace game {

class SaveFiles {
  public:
    // form: whether the session is ending, when no message may be shown.
    SaveFiles(ui::Services& services, engine::GameState& state, const ui::Form& form);

    // Courses in the order "初期化" writes them.
    static constexpr std::array<std::uint8_t, 6> kResetOrder = {1, 2, 4, 3, 5, 6};

    void loadCommon();
    void saveCommon();
    // Reads the records of state.courseNo and sets where the run stands to the start of a run.
    void loadCourse();
    void saveCourse();
    // Sets money, toys and every record to a fresh game's and lets the next saves replace whatever the
    // files hold, readable or not.
    void resetRecords();

    // Data read from the program's folder; saves and posting files in the folder for written files (the
    // program's own when writable, else the per-user data folder).
    std::string datPath(const std::string& name) const;
    std::string savePath(const std::string& name) const;
    // Whether a save may replace the file at path; when not (it exists but could not be read this session),
    // tells the player once per file and session that this save was skipped.
    bool mayReplaceSave(const std::string& path, bool wasRead);
    std::string coursePath() const;
    std::string stagePath() const;
    std::string postingPath() const;
    // The folder for saves and posting files; throws the access error when there is none that may be trusted.
    const std::string& writableDir() const;

  private:
    // For the error e met reading the save file at path: moves a malformed file aside, sets wasRead (the
    // next save writes a fresh file) and throws e naming both files; any other error is thrown as it is.
    [[noreturn]] void setAsideMalformed(const std::string& path, const base::IoError& e, bool& wasRead);

    ui::Services& services_;
    engine::GameState& state_;
    const ui::Form& form_;
    bool commonDataRead_ = false;      // the common save file was read whole since start-up (or reset)
    bool courseDataRead_ = false;      // the course save file of courseNo was read whole when it was picked
    std::set<std::string> skipNoted_;  // save files already named this session as not replaced
};

}  // namespace game
