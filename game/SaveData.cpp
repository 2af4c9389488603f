// The common and course save files, the posting file, and "初期化" that rewrites them all.
#include <filesystem>

#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "engine/FieldPainter.h"
#include "engine/ToyCatalogue.h"
#include "game/PostingFile.h"
#include "game/TForm1.h"

namespace game {
namespace {

constexpr std::int32_t kFreshHp = 10;                       // lives at the start of a run
constexpr std::int32_t kFreshMaxHp = 99;                    // cap of lives after "初期化"
constexpr std::int32_t kFreshHiMaxCombo = 1;                // best MAXCOMBO of a course never played
constexpr std::uint8_t kResetOrder[] = {1, 2, 4, 3, 5, 6};  // courses in the order "初期化" writes them

}  // namespace

// A save file that exists but could not be read since start-up (or since the course was picked) is
// not replaced: the values in memory are then not the player's, and writing them would wipe the
// progress the file holds. A missing file is simply created.
bool TForm1::mayReplaceSave(const std::string& path, bool wasRead) {
    std::error_code ec;
    if (wasRead || !std::filesystem::exists(path, ec)) return true;
    if (!form.endingSession && skipNoted_.insert(path).second)
        services_.dialogs.message(
            "セーブファイル " + path +
            " は読み込めなかったため、上書きせずに残しました。このセーブは行われていません。");
    return false;
}

void TForm1::loadCommonData() {
    engine::tmy& my = state.my;
    base::TextReader in(savePath("my.dat"));
    my.clearCount = in.readInt();
    my.course3Cleared = in.readInt();
    my.money = in.readInt();
    // Only the low 8 bits of each count are kept: 300 becomes 44, -1 becomes 255.
    for (std::uint8_t& owned : my.toyOwned) owned = static_cast<std::uint8_t>(in.readInt());
    commonDataRead_ = true;
}

void TForm1::saveCommonData() {
    const std::string path = savePath("my.dat");
    if (!mayReplaceSave(path, commonDataRead_)) return;
    const engine::tmy& my = state.my;
    base::TextWriter out(path);
    out.writeInt(my.clearCount);
    out.writeInt(my.course3Cleared);
    out.writeInt(my.money);
    for (std::uint8_t owned : my.toyOwned) out.writeInt(owned);
    out.commit();
}

void TForm1::loadCourseData() {
    engine::tmy& my = state.my;
    courseDataRead_ = false;
    // The records start as a fresh course file has them, so that a course whose file is missing or breaks
    // off never takes on the best score, combo or badges of the course played before it.
    my.courseMemo.clear();
    for (std::int32_t* field : {&my.hiScore, &my.badgeCombo, &my.badgeTime, &my.badgeHp}) *field = 0;
    my.hiMaxCombo = kFreshHiMaxCombo;
    {
        base::TextReader in(coursePath());
        my.courseMemo = in.readLine();
        for (std::int32_t* field : {&my.stagesCleared, &my.hiScore, &my.maxHp, &my.mhpQuota, &my.hp, &my.mhp,
                                    &my.stageNo, &my.badgeCombo, &my.badgeTime, &my.badgeHp, &my.hiMaxCombo})
            *field = in.readInt();
        courseDataRead_ = true;
    }
    engine::loadToyCatalogue(datPath("item.dat"), state.toyTable);
    // A run keeps only the course's records; where it stands comes from the start of the run.
    my.stageNo = -1;
    my.stagesCleared = -1;
    my.hp = kFreshHp;
    my.mhp = 0;
}

void TForm1::saveCourseData() {
    const engine::tmy& my = state.my;
    const std::string path = coursePath();
    if (mayReplaceSave(path, courseDataRead_)) {
        base::TextWriter out(path);
        out.writeLine(my.courseMemo);
        for (std::int32_t value : {my.stagesCleared, my.hiScore, my.maxHp, my.mhpQuota, my.hp, my.mhp,
                                   my.stageNo, my.badgeCombo, my.badgeTime, my.badgeHp, my.hiMaxCombo})
            out.writeInt(value);
        out.commit();
    }
    writePostingFile();
}

void TForm1::writePostingFile() {
    base::TextWriter out(postingPath());
    for (const std::string& line : postingLines(state.courseNo, state.my, high_l.caption()))
        out.writeLine(line);
    out.commit();
}

void TForm1::BitBtn2Click() {
    engine::clearField(main_box);
    engine::tmy& my = state.my;
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
    // A reset is meant to replace whatever the files held, readable or not.
    courseDataRead_ = true;
    commonDataRead_ = true;
    for (std::uint8_t n : kResetOrder) {
        state.courseNo = n;
        saveCourseData();
    }
    saveCommonData();
}

}  // namespace game
