// Wording of the check's verdict.
#include "maker/CheckReport.h"

namespace maker {
namespace {

std::string tr(const char* text) {
    return base::translateData("Check", text);
}

enum class Why { TimeOut, LivesOut, Cut, Stuck };

Why why(const solver::StagePlay& p) {
    if (p.end == solver::Phase::GameOver) return p.timeUsed >= kCheckStartTime ? Why::TimeOut : Why::LivesOut;
    return p.searchCut ? Why::Cut : Why::Stuck;
}

std::string reason(const solver::StagePlay& p) {
    const char* texts[] = {kCheckTimeOut, kCheckLivesOut, kCheckCut, kCheckStuck};
    return tr(texts[static_cast<int>(why(p))]);
}

std::string shortReason(const solver::StagePlay& p) {
    const char* texts[] = {kVerdictTimeOut, kVerdictLivesOut, kVerdictCut, kVerdictStuck};
    return tr(texts[static_cast<int>(why(p))]);
}

std::string movesTried(const solver::StagePlay& p) {
    return tr(kMovesTried) + (p.turnsTried ? tr(kTurnsTried) : "") +
           (p.explosionsTried ? tr(kExplosionsTried) : "");
}

}  // namespace

std::string checkMessage(const CheckResult& result) {
    if (!result.error.empty()) return tr(kCheckFailed) + result.error;
    const solver::StagePlay& p = result.play;
    if (p.cleared() && p.ticks == 0) return tr(kCheckNothingToClear);
    std::string text = p.cleared() ? tr(kCheckCleared) : tr(kCheckNotCleared) + reason(p);
    if (!p.cleared())
        text +=
            "\n" + base::fillIn(base::translate("Check", "残りブロック：%1"), std::to_string(p.blocksLeft));
    text += "\n" + base::fillIn(base::translate("Check", "使った時間：%1　失ったライフ：%2"),
                                std::to_string(p.timeUsed), std::to_string(p.livesLost));
    text += "\n" + base::fillIn(base::translate("Check", "（残時間%1・ライフ%2から始めて調べました）"),
                                std::to_string(kCheckStartTime), std::to_string(kCheckLives));
    text += "\n" + movesTried(p);
    return text;
}

std::string verdictLine(const CheckResult& result) {
    if (!result.error.empty()) return tr(kVerdictFailed);
    const solver::StagePlay& p = result.play;
    if (p.cleared() && p.ticks == 0) return tr(kVerdictNothing);
    if (!p.cleared()) return tr(kVerdictNotCleared) + shortReason(p);
    return tr(kVerdictCleared) + base::fillIn(base::translate("Check", "時間%1・ライフ%2"),
                                              std::to_string(p.timeUsed), std::to_string(p.livesLost));
}

}  // namespace maker
