// The help panel with its story and block texts, its picture and the ranking page.
#include <initializer_list>
#include <string>

#include "base/Translation.h"
#include "engine/PlayScreenColours.h"
#include "game/HelpPanel.h"
#include "ui/core/ControlStyle.h"

namespace game {
namespace {

constexpr base::Colour kRankBack = engine::kHowToPlayBack;
constexpr int kSpeedMin = 45, kSpeedMax = 50;  // range of the hidden track bar

// Where the posting files are written: the program's folder, or the per-user data folder when the program's
// folder cannot be written (none at all when that folder was refused: the program's folder is named then).
std::string postingFolderNote(const std::string& programDir, const std::string& dataDir) {
    std::string folder = base::translate("Help", "このソフトが入っているフォルダ");
    if (!dataDir.empty() && dataDir != programDir) {
        std::string path = dataDir;
        if (path.size() > 1 && path.back() == '/') path.pop_back();
        folder = base::fillIn(base::translate("Help", "データフォルダ（%1）"), path);
    }
    return base::fillIn(
        base::translate("Help",
                        "%1に「投稿用.txt」というファイルが作成されるので、書きこみやメールの場合は、"
                        "それをコピーしてペーストして利用してください★よくわからないという人は、"
                        "普通に書きこみしてね。"),
        folder);
}

}  // namespace

void HelpPanel::layoutHelpPanel(const ui::Font& defaultFont, const std::string& programDir,
                                const std::string& dataDir) {
    using namespace base::colours;
    const ui::Font heading = ui::font(13, Grey);
    const ui::Look onWhite{.back = White};
    const ui::Font text = ui::font(16, White);
    const ui::Look textLook{.back = Grey, .wrap = true};
    dress(Label8, base::translate("Help", "ゾルバンブロックストーリー"), heading, onWhite);
    dress(Label9,
          base::translate("Help",
                          "ある日、謎のブロック型生命体が地球の衛星・月を侵略・占拠してしまった！月の住人たち"
                          "の猛反撃がここに"
                          "始まるグー！"
                          "光の速さで戦って月をとりもどせ！"),
          text, textLook);
    dress(Label10, base::translate("Help", "ブロックの種類"), heading, onWhite);
    dress(
        Label11,
        base::translate("Help", "通常ブロックは、１コこわすごとに、mHPが増え、50溜まるとＨＰが１回復ダゾ！"),
        text, textLook);
    dress(Label12,
          base::translate(
              "Help", "点滅ブロックは爆発ブロックだ。周囲を吹き飛ばす物と、横一列を吹き飛ばすのがあるビー"),
          text, textLook);
    dress(
        Label13,
        base::translate("Help", "その他にも色々な効果をもつブロックがあるのダ。また高得点ブロックもあるゾ！"),
        text, textLook);
    dress(Label15, base::translate("Help", "めざせハイスコア！"), heading, onWhite);
    dress(Label14,
          base::translate("Help",
                          "コンボをつんで、高得点を狙うんダゾ！高得点が出たら、ホームページへＧＯ！書きこみし"
                          "てクレタマエー！"),
          text, textLook);
    dress(Label16,
          base::translate(
              "Help", "マウスで操作だゾ！でも黒い画面内でないと反応しないから気をつけロ！時間にも気をつけロ"),
          text, textLook);
    dress(Label17, base::translate("Help", "がんばれー！"), text, {.back = Grey});
    Image1.setStretch(true);
    dress(Button4, base::translate("Help", "ｲﾝﾀｰﾈｯﾄﾗﾝｷﾝｸﾞ"), defaultFont);
    dress(Button3, base::translate("Help", "モドルモドル"), defaultFont);
    dress(speed_l, base::translate("Help", "スピード"), defaultFont);
    dress(slow_l, base::translate("Help", "遅"), defaultFont);
    dress(fast_l, base::translate("Help", "速"), defaultFont);
    main_sp_l.setRange(kSpeedMin, kSpeedMax);

    rank_box.setBackground(kRankBack);
    const ui::Font rankHeading = ui::font(16, Grey);
    const ui::Font rankText = ui::font(13, Navy);
    const ui::Look rankLook{.back = kRankBack, .wrap = true};
    dress(Label34, base::translate("Help", "INFOMATION"), rankHeading, onWhite);
    dress(Label35,
          base::translate("Help",
                          "ゾルバン開発チームのホームページで、スコアアタックランキングを開催しています！"),
          rankText, rankLook);
    dress(Label36, base::translate("Help", "申し込み方法"), rankHeading, onWhite);
    dress(Label37, base::translate("Help", "点数を、ホームページ掲示板にかメールにて、書きこみして下さい。"),
          rankText, rankLook);
    dress(Label38, base::translate("Help", "備考"), rankHeading, onWhite);
    dress(Label39, postingFolderNote(programDir, dataDir), rankText, rankLook);
    dress(Label40, base::translate("Help", "期間"), rankHeading, onWhite);
    dress(Label41, base::translate("Help", "ホームページを参照してね☆"), rankText, rankLook);
    dress(Label42, base::translate("Help", "アドレス"), rankHeading, onWhite);
    Edit1.setText("https://zorban.example.org/");
    Edit2.setText("zorban@example.org");
    dress(Button48, base::translate("Help", "戻る"), defaultFont);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Label34, &Label35, &Label36, &Label37, &Label38, &Label39,
                                             &Label40, &Label41, &Label42, &Edit1, &Edit2, &Button48})
        rank_box.add(*c);

    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &Label8, &Label9, &Label10, &Label11, &Label12, &Label13, &Label15, &Label14, &Label16, &Label17,
             &Image1, &Button4, &Button3, &speed_l, &slow_l, &fast_l, &main_sp_l, &rank_box})
        help_box.add(*c);
}

}  // namespace game
