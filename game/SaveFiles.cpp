// The common and course save files and the paths beside the program.
#include "game/SaveFiles.h"

#include <filesystem>

#include "base/IoError.h"
#include "base/SafeFile.h"
#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "base/Translation.h"
#include "engine/ToyCatalogue.h"

namespace game {
namespace {

constexpr std::int32_t kFreshHp = 10;         // lives at the start of a run
constexpr std::int32_t kFreshMaxHp = 99;      // cap of lives after "初期化"
constexpr std::int32_t kFreshHiMaxCombo = 1;  // best MAXCOMBO of a course never played

}  // namespace

SaveFiles::SaveFiles(ui::Services& services, engine::GameState& state, const ui::Form& form)
    : services_(services), state_(state), form_(form) {}

// A save file that exists but could not be read since start-up (or since the course was picked) is
// not replaced: the values in memory are then not the player's, and writing them would wipe the
// progress the file holds. A missing file is simply created.
bool SaveFiles::mayReplaceSave(const std::string& path, bool wasRead) {
    std::error_code ec;
    if (wasRead || !std::filesystem::exists(path, ec)) return true;
    if (!form_.endingSession && skipNoted_.insert(path).second)
        services_.dialogs.message(
            base::fillIn(base::translate("Errors",
                                         "セーブファイル %1 は読み込めなかったため、上書きせずに残しました。"
                                         "このセーブは行われていません。"),
                         path));
    return false;
}

// A save file whose contents are not the game's is moved aside under a dated name, where the player finds it
// and nothing overwrites it; saving then goes on from a fresh file. The error names both files. Any other
// failure to read (the file could not be opened or read this time) leaves the file where it is, unreplaced.
void SaveFiles::setAsideMalformed(const std::string& path, const base::IoError& e, bool& wasRead) {
    if (e.code() != static_cast<int>(base::IoCode::InvalidNumber)) throw e;
    const std::string aside = base::moveAside(path, "unreadable");
    wasRead = true;
    throw base::IoError(
        e.code(),
        std::string(e.what()) + ".\r" +
            base::fillIn(base::translate("Errors",
                                         "セーブファイル %1 は読み込めないため %2 として残しました。"
                                         "これからの記録は新しいファイルに保存します"),
                         path, aside));
}

void SaveFiles::loadCommon() {
    engine::tmy& my = state_.my;
    const std::string path = savePath("my.dat");
    try {
        base::TextReader in(path);
        my.clearCount = in.readInt();
        my.course3Cleared = in.readInt();
        my.money = in.readInt();
        // Only the low 8 bits of each count are kept: 300 becomes 44, -1 becomes 255.
        for (std::uint8_t& owned : my.toyOwned) owned = static_cast<std::uint8_t>(in.readInt());
    } catch (const base::IoError& e) {
        setAsideMalformed(path, e, commonDataRead_);
    }
    commonDataRead_ = true;
}

void SaveFiles::saveCommon() {
    const std::string path = savePath("my.dat");
    if (!mayReplaceSave(path, commonDataRead_)) return;
    const engine::tmy& my = state_.my;
    base::TextWriter out(path);
    out.writeInt(my.clearCount);
    out.writeInt(my.course3Cleared);
    out.writeInt(my.money);
    for (std::uint8_t owned : my.toyOwned) out.writeInt(owned);
    out.commit();
}

void SaveFiles::loadCourse() {
    engine::tmy& my = state_.my;
    courseDataRead_ = false;
    // The records and the lives start as a fresh course file has them, so that a course whose file is
    // missing or breaks off never takes on the best score, combo, badges or lives of the run before it.
    my.courseMemo.clear();
    for (std::int32_t* field : {&my.hiScore, &my.badgeCombo, &my.badgeTime, &my.badgeHp}) *field = 0;
    my.hiMaxCombo = kFreshHiMaxCombo;
    my.hp = kFreshHp;  // nor the lives the run before it left
    try {
        base::TextReader in(coursePath());
        my.courseMemo = in.readLine();
        for (std::int32_t* field : {&my.stagesCleared, &my.hiScore, &my.maxHp, &my.mhpQuota, &my.hp, &my.mhp,
                                    &my.stageNo, &my.badgeCombo, &my.badgeTime, &my.badgeHp, &my.hiMaxCombo})
            *field = in.readInt();
        courseDataRead_ = true;
    } catch (const base::IoError& e) {
        my.hp = kFreshHp;
        setAsideMalformed(coursePath(), e, courseDataRead_);
    }
    engine::loadToyCatalogue(datPath("item.dat"), state_.toyTable);
    // A run keeps only the course's records; where it stands comes from the start of the run.
    my.stageNo = -1;
    my.stagesCleared = -1;
    my.hp = kFreshHp;
    my.mhp = 0;
}

void SaveFiles::saveCourse() {
    const engine::tmy& my = state_.my;
    const std::string path = coursePath();
    if (!mayReplaceSave(path, courseDataRead_)) return;
    base::TextWriter out(path);
    out.writeLine(my.courseMemo);
    for (std::int32_t value : {my.stagesCleared, my.hiScore, my.maxHp, my.mhpQuota, my.hp, my.mhp, my.stageNo,
                               my.badgeCombo, my.badgeTime, my.badgeHp, my.hiMaxCombo})
        out.writeInt(value);
    out.commit();
}

void SaveFiles::resetRecords() {
    engine::tmy& my = state_.my;
    my.hp = kFreshHp;
    my.money = 0;
    my.stagesCleared = 0;
    my.mhp = 0;
    my.hiScore = 0;
    my.maxHp = kFreshMaxHp;
    my.score = 0;
    my.hiMaxCombo = kFreshHiMaxCombo;
    my.badgeCombo = 0;
    my.badgeTime = 0;
    my.badgeHp = 0;
    my.toyOwned.fill(0);
    my.clearCount = 0;
    my.course3Cleared = 0;
    courseDataRead_ = true;
    commonDataRead_ = true;
}

std::string SaveFiles::datPath(const std::string& name) const {
    return services_.programDir + "dat/" + name;
}

std::string SaveFiles::savePath(const std::string& name) const {
    return writableDir() + "dat/" + name;
}

std::string SaveFiles::coursePath() const {
    return savePath("my" + std::to_string(state_.courseNo) + ".dat");
}

std::string SaveFiles::stagePath() const {
    return datPath("map" + std::to_string(state_.courseNo) + "-" + std::to_string(state_.my.stageNo) +
                   ".dat");
}

std::string SaveFiles::postingPath() const {
    return writableDir() + "投稿用" + std::to_string(state_.courseNo) + ".txt";
}

const std::string& SaveFiles::writableDir() const {
    if (services_.dataDir.empty()) throw base::IoError(base::IoCode::AccessDenied);
    return services_.dataDir;
}

}  // namespace game
