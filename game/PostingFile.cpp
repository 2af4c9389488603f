// Composing the posting file.
#include "game/PostingFile.h"

#include <algorithm>

#include "game/CourseTable.h"

namespace game {

int toysHeldOnce(const engine::tmy& my) {
    return static_cast<int>(std::count(my.toyOwned.begin(), my.toyOwned.end(), std::uint8_t{1}));
}

std::array<std::string, kPostingLines> postingLines(std::uint8_t courseNo, const engine::tmy& my,
                                                    const std::string& highText) {
    return {
        "■ゾルバンブロックデータ",
        my.hiScore > 0 ? course(courseNo).postingTitle : kUnscoredPostingTitle,
        "最高得点：" + highText + "点",
        "MAXCOMBO：" + std::to_string(my.hiMaxCombo),
        "アイテム：" + std::to_string(toysHeldOnce(my)) + "コ",
    };
}

}  // namespace game
