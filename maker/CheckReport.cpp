// Wording of the check's verdict.
#include "maker/CheckReport.h"

namespace maker {
namespace {

enum class Why { TimeOut, LivesOut, Cut, Stuck };

Why why(const solver::StagePlay& p) {
    if (p.end == solver::Phase::GameOver) return p.timeUsed >= kCheckStartTime ? Why::TimeOut : Why::LivesOut;
    return p.searchCut ? Why::Cut : Why::Stuck;
}

std::string reason(const solver::StagePlay& p) {
    const char* texts[] = {kCheckTimeOut, kCheckLivesOut, kCheckCut, kCheckStuck};
    return texts[static_cast<int>(why(p))];
}

std::string shortReason(const solver::StagePlay& p) {
    const char* texts[] = {kVerdictTimeOut, kVerdictLivesOut, kVerdictCut, kVerdictStuck};
    return texts[static_cast<int>(why(p))];
}

std::string movesTried(const solver::StagePlay& p) {
    return std::string(kMovesTried) + (p.turnsTried ? kTurnsTried : "") +
           (p.explosionsTried ? kExplosionsTried : "");
}

}  // namespace

std::string checkMessage(const CheckResult& result) {
    if (!result.error.empty()) return kCheckFailed + result.error;
    const solver::StagePlay& p = result.play;
    if (p.cleared() && p.ticks == 0) return kCheckNothingToClear;
    std::string text = p.cleared() ? std::string(kCheckCleared) : kCheckNotCleared + reason(p);
    if (!p.cleared()) text += "\n残りブロック：" + std::to_string(p.blocksLeft);
    text += "\n使った時間：" + std::to_string(p.timeUsed) + "　失ったライフ：" + std::to_string(p.livesLost);
    text += "\n（残時間" + std::to_string(kCheckStartTime) + "・ライフ" + std::to_string(kCheckLives) +
            "から始めて調べました）";
    text += "\n" + movesTried(p);
    return text;
}

std::string verdictLine(const CheckResult& result) {
    if (!result.error.empty()) return kVerdictFailed;
    const solver::StagePlay& p = result.play;
    if (p.cleared() && p.ticks == 0) return kVerdictNothing;
    if (!p.cleared()) return kVerdictNotCleared + shortReason(p);
    return kVerdictCleared + std::string("時間") + std::to_string(p.timeUsed) + "・ライフ" +
           std::to_string(p.livesLost);
}

}  // namespace maker
