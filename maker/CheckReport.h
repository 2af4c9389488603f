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

// Lines joined by line feeds: the verdict, the blocks left when not cleared, the time units and lives
// the play took, and the start it was played from.
std::string checkMessage(const CheckResult& result);

}  // namespace maker
