// The text of the message box that reports a check of the field (the texts below are translated when shown).
#pragma once

#include <string>

#include "base/Translation.h"
#include "maker/StageCheck.h"

namespace maker {

inline constexpr const char* kCheckCleared = QT_TRANSLATE_NOOP("Check", "このステージはクリアできます。");
inline constexpr const char* kCheckNotCleared =
    QT_TRANSLATE_NOOP("Check", "このステージはクリアできませんでした。");
inline constexpr const char* kCheckNothingToClear =
    QT_TRANSLATE_NOOP("Check", "消すブロックがないので、すぐにクリアになります。");
inline constexpr const char* kCheckTimeOut = QT_TRANSLATE_NOOP("Check", "（時間切れ）");
inline constexpr const char* kCheckLivesOut = QT_TRANSLATE_NOOP("Check", "（ライフ切れ）");
inline constexpr const char* kCheckCut =
    QT_TRANSLATE_NOOP("Check", "（調べきれないので途中で打ち切りました）");
inline constexpr const char* kCheckStuck = QT_TRANSLATE_NOOP("Check", "（これ以上ブロックを消せません）");
inline constexpr const char* kCheckFailed = QT_TRANSLATE_NOOP("Check", "調べられませんでした：");
inline constexpr const char* kMovesTried = QT_TRANSLATE_NOOP("Check", "試した操作：サーブ・バー移動");
inline constexpr const char* kTurnsTried = QT_TRANSLATE_NOOP("Check", "・右クリック");
inline constexpr const char* kExplosionsTried = QT_TRANSLATE_NOOP("Check", "・左クリック爆発");

// The line under the field: short texts that fit its box.
inline constexpr const char* kVerdictChecking = QT_TRANSLATE_NOOP("Check", "調べています…");
inline constexpr const char* kVerdictNothing = QT_TRANSLATE_NOOP("Check", "消すブロックなし");
inline constexpr const char* kVerdictCleared = QT_TRANSLATE_NOOP("Check", "クリア可：");
inline constexpr const char* kVerdictNotCleared = QT_TRANSLATE_NOOP("Check", "探索でクリアできず");
inline constexpr const char* kVerdictTimeOut = QT_TRANSLATE_NOOP("Check", "（時間切れ）");
inline constexpr const char* kVerdictLivesOut = QT_TRANSLATE_NOOP("Check", "（ライフ切れ）");
inline constexpr const char* kVerdictCut = QT_TRANSLATE_NOOP("Check", "（打ち切り）");
inline constexpr const char* kVerdictStuck = QT_TRANSLATE_NOOP("Check", "（手詰まり）");
inline constexpr const char* kVerdictFailed = QT_TRANSLATE_NOOP("Check", "調べられませんでした");

// Lines joined by line feeds: the verdict, the blocks left when not cleared, the time units and lives
// the play took, the start it was played from and the kinds of moves tried.
std::string checkMessage(const CheckResult& result);
// One line: clearable with the time units and lives it takes, or why not.
std::string verdictLine(const CheckResult& result);

}  // namespace maker
