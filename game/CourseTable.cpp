// The course texts. Captions use an ideographic space, banners an ordinary one; course 3 keeps the
// name "ＴＯＭＢＬＥ" in its posting title and course 4 its button's spelling "ＢＯＲＮＵＳ".
#include "game/CourseTable.h"

#include <array>

namespace game {
namespace {

constexpr std::array<Course, kCourseCount> kCourses{{
    {QT_TRANSLATE_NOOP("Courses", "ＳＴＲＥＥＴ　ＣＯＲＳＥ"),
     QT_TRANSLATE_NOOP("Courses", "【ＳＴＲＥＥＴ ＣＯＲＳＥ】"), "★★☆☆☆☆☆☆",
     QT_TRANSLATE_NOOP(
         "Courses",
         "STREET CORSE > "
         "前作からのステージclassicを含む全１１ステージ。作者は全てぬもろによるもの。まずはここから！？"),
     QT_TRANSLATE_NOOP("Courses", "STREET CORSE"), "【ＳＴＲＥＥＴ ＣＯＲＳＥ】"},
    {QT_TRANSLATE_NOOP("Courses", "ＶＯＣＡＬ　ＣＯＲＳＥ"),
     QT_TRANSLATE_NOOP("Courses", "【ＶＯＣＡＬ ＣＯＲＳＥ】"), "★☆☆☆☆☆☆☆",
     QT_TRANSLATE_NOOP("Courses",
                       "VOCAL CORSE > STREET CORSEよりも若干やさしめなコース。STREET "
                       "CORSEが全クリアできないビギナーにお勧め。"
                       "新ステージ・classic混合の全１１ステージ。"),
     QT_TRANSLATE_NOOP("Courses", "VOCAL CORSE"), "【ＶＯＣＡＬ ＣＯＲＳＥ】"},
    {QT_TRANSLATE_NOOP("Courses", "ＰＥＬＴＲＡ　ＣＯＲＳＥ"),
     QT_TRANSLATE_NOOP("Courses", "【ＰＥＬＴＲＡ ＣＯＲＳＥ】"), "★★★★★★★★",
     QT_TRANSLATE_NOOP(
         "Courses",
         "PELTRA CORSE > "
         "知略なしには１ステージ目クリアさえ容易ではない！難攻不落全２１ステージ、ペルトラ！！！氏による"
         "超難問コース。オールクリアなるか！？"),
     QT_TRANSLATE_NOOP("Courses", "peltra CORSE"), "【ＴＯＭＢＬＥ ＣＯＲＳＥ】"},
    {QT_TRANSLATE_NOOP("Courses", "ＢＯＲＮＵＳ　ＣＯＲＳＥ"),
     QT_TRANSLATE_NOOP("Courses", "【ＢＯＮＵＳ ＣＯＲＳＥ】"), "★★★★☆☆☆☆",
     QT_TRANSLATE_NOOP(
         "Courses",
         "BONUS CORSE > "
         "ヌルベント・ゲームファンより寄せられたオリジナルステージ満載☆ネットゲーマー達のユニークな"
         "ステージを制覇しよう♪"),
     QT_TRANSLATE_NOOP("Courses", "BONUS CORSE"), "【ＢＯＮＵＳ ＣＯＲＳＥ】"},
    {QT_TRANSLATE_NOOP("Courses", "ＳＯＲＥＬＩ　ＣＯＲＳＥ"),
     QT_TRANSLATE_NOOP("Courses", "【ＳＯＲＥＬＩ ＣＯＲＳＥ】"), "☆：？？？？？？",
     QT_TRANSLATE_NOOP(
         "Courses",
         "SORELI CORSE > Ｄｊ "
         "ＴＯＲＫＡによる隠しコース★可愛らしいデザインと共に、今シリーズ初めてのステルスブロック"
         "出現！クリアなるか！？"),
     QT_TRANSLATE_NOOP("Courses", "SORELI CORSE"), "【ＳＯＲＥＬＩ ＣＯＲＳＥ】"},
    {QT_TRANSLATE_NOOP("Courses", "VELORIS　ＣＯＲＳＥ"), QT_TRANSLATE_NOOP("Courses", "【VELORIS Cors.】"),
     "★★★★★★☆☆",
     QT_TRANSLATE_NOOP(
         "Courses",
         "VELORIS CORSE > ヴェロリスさんによる隠しコース、アイデア溢れる多彩な全１０ステージを攻略せよ☆"),
     QT_TRANSLATE_NOOP("Courses", "VELORIS CORSE"), "【ＶＥＬＯＲＩＳ ＣＯＲＳＥ】"},
}};

}  // namespace

const Course& course(std::uint8_t n) {
    return kCourses[(n >= 1 && n <= kCourseCount) ? n - 1 : 0];
}

}  // namespace game
