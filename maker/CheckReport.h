// The text of the message box that reports a check of the field.
#pragma once

#include <string>

#include "maker/StageCheck.h"

namespace maker {

inline constexpr const char* kCheckCleared = "このステージはクリアできます。";
inline constexpr const char* kCheckNotCleared = "このステージはクリアできませんでした。";
inline constexpr const char* kCheckNothingToClear = "消すブロックがないので、すぐにクリアになります。";
inline constexpr const char* kCheckTimeOut = "（時間切れ）";
inline constexpr const char* kCheckLivesOut = "（ライフ切れ）";
inline constexpr const char* kCheckCut = "（調べきれないので途中で打ち切りました）";
inline constexpr const char* kCheckStuck = "（これ以上ブロックを消せません）";
inline constexpr const char* kCheckFailed = "調べられませんでした：";
inline constexpr const char* kMovesTried = "試した操作：サーブ・バー移動";
inline constexpr const char* kTurnsTried = "・右クリック";
inline constexpr const char* kExplosionsTried = "・左クリック爆発";

// The line under the field: short texts that fit its box.
inline constexpr const char* kVerdictChecking = "調べています…";
inline constexpr const char* kVerdictNothing = "消すブロックなし";
inline constexpr const char* kVerdictCleared = "クリア可：";
inline constexpr const char* kVerdictNotCleared = "探索でクリアできず";
inline constexpr const char* kVerdictTimeOut = "（時間切れ）";
inline constexpr const char* kVerdictLivesOut = "（ライフ切れ）";
inline constexpr const char* kVerdictCut = "（打ち切り）";
inline constexpr const char* kVerdictStuck = "（手詰まり）";
inline constexpr const char* kVerdictFailed = "調べられませんでした";

// Lines joined by line feeds: the verdict, the blocks left when not cleared, the time units and lives
// the play took, the start it was played from and the kinds of moves tried.
std::string checkMessage(const CheckResult& result);
// One line: clearable with the time units and lives it takes, or why not.
std::string verdictLine(const CheckResult& result);

}  // namespace maker
