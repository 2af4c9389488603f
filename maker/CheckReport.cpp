// Wording of the check's verdict.
#include "maker/CheckReport.h"

namespace maker {
namespace {

std::string reason(const solver::StagePlay& p) {
    if (p.end == solver::Phase::GameOver)
        return p.timeUsed >= kCheckStartTime ? kCheckTimeOut : kCheckLivesOut;
    return p.searchCut ? kCheckCut : kCheckStuck;
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
    return text;
}

}  // namespace maker
