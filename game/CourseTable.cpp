// The course texts. Captions use an ideographic space, banners an ordinary one; course 3 keeps the
// name "ＴＯＭＢＬＥ" in its posting title and course 4 its button's spelling "ＢＯＲＮＵＳ".
#include "game/CourseTable.h"

#include <array>

namespace game {
namespace {

constexpr std::array<Course, kCourseCount> kCourses{{
    {"ＳＴＲＥＥＴ　ＣＯＲＳＥ", "【ＳＴＲＥＥＴ ＣＯＲＳＥ】", "★★☆☆☆☆☆☆",
     "STREET CORSE > "
     "前作からのステージclassicを含む全１１ステージ。作者は全てぬもろによるもの。まずはここから！？",
     "STREET CORSE", "【ＳＴＲＥＥＴ ＣＯＲＳＥ】"},
    {"ＶＯＣＡＬ　ＣＯＲＳＥ", "【ＶＯＣＡＬ ＣＯＲＳＥ】", "★☆☆☆☆☆☆☆",
     "VOCAL CORSE > STREET CORSEよりも若干やさしめなコース。STREET CORSEが全クリアできないビギナーにお勧め。"
     "新ステージ・classic混合の全１１ステージ。",
     "VOCAL CORSE", "【ＶＯＣＡＬ ＣＯＲＳＥ】"},
    {"ＰＥＬＴＲＡ　ＣＯＲＳＥ", "【ＰＥＬＴＲＡ ＣＯＲＳＥ】", "★★★★★★★★",
     "PELTRA CORSE > "
     "知略なしには１ステージ目クリアさえ容易ではない！難攻不落全２１ステージ、ペルトラ！！！氏による"
     "超難問コース。オールクリアなるか！？",
     "peltra CORSE", "【ＴＯＭＢＬＥ ＣＯＲＳＥ】"},
    {"ＢＯＲＮＵＳ　ＣＯＲＳＥ", "【ＢＯＮＵＳ ＣＯＲＳＥ】", "★★★★☆☆☆☆",
     "BONUS CORSE > ヌルベント・ゲームファンより寄せられたオリジナルステージ満載☆ネットゲーマー達のユニークな"
     "ステージを制覇しよう♪",
     "BONUS CORSE", "【ＢＯＮＵＳ ＣＯＲＳＥ】"},
    {"ＳＯＲＥＬＩ　ＣＯＲＳＥ", "【ＳＯＲＥＬＩ ＣＯＲＳＥ】", "☆：？？？？？？",
     "SORELI CORSE > Ｄｊ "
     "ＴＯＲＫＡによる隠しコース★可愛らしいデザインと共に、今シリーズ初めてのステルスブロック"
     "出現！クリアなるか！？",
     "SORELI CORSE", "【ＳＯＲＥＬＩ ＣＯＲＳＥ】"},
    {"VELORIS　ＣＯＲＳＥ", "【VELORIS Cors.】", "★★★★★★☆☆",
     "VELORIS CORSE > ヴェロリスさんによる隠しコース、アイデア溢れる多彩な全１０ステージを攻略せよ☆",
     "VELORIS CORSE", "【ＶＥＬＯＲＩＳ ＣＯＲＳＥ】"},
}};

}  // namespace

const Course& course(std::uint8_t n) {
    return kCourses[(n >= 1 && n <= kCourseCount) ? n - 1 : 0];
}

}  // namespace game
