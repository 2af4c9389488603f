// The editor window's controls: texts, fonts, colours, the block list and the two file dialogs.
#include <initializer_list>

#include "base/Translation.h"
#include "maker/BlockListEntries.h"
#include "maker/TForm1.h"
#include "ui/core/ControlStyle.h"

namespace maker {
namespace {

constexpr base::Colour kFormBack{255, 128, 192};
constexpr base::Colour kNoteBack{128, 0, 255};
constexpr base::Colour kFileNameBack{255, 0, 128};
constexpr base::Colour kMailNoteBack{0, 128, 255};
constexpr int kListItemHeight = 12;  // pixels
constexpr int kStripFontPx = 11;     // the small buttons below the three big ones

// The file dialogs' filters: what each pattern names, in the player's language, and the pattern.
std::string stageFilter(const std::string& allFiles) {
    return base::translate("Files", "ゾルバンブロックデータ") + "|*.usr|" +
           base::translate("Files", "オフィシャルデータ") + "|map*-*.dat|" +
           base::translate("Files", "オフィシャルデータ2") + "|map*.dat|" + allFiles + "|*.*";
}

// Where players send their stages; the addresses are placeholders of this build.
constexpr const char* kMakerMail = "zorban@example.org";
constexpr const char* kMakerHomePage = "https://zorban.example.org/";

// A button's tooltip names what it does and its key.
void hint(ui::Button& b, const std::string& text) {
    b.setHint(text);
    b.setTooltip(text);
}

}  // namespace

void TForm1::layout() {
    using namespace base::colours;
    form.caption = base::translate("Maker", "ゾルバンブロックつくーる　ver2.0　〜 Zorban Project 〜");
    form.appTitle = base::translate("Maker", "ゾルバンブロックツール");
    form.background = kFormBack;
    form.defaultFont = ui::font(12, Black, false);
    form.dialogFrame = true;
    form.noteArea = main_box.bounds();  // volume and size notes show over the field

    std::vector<std::string> entries;
    for (const std::string_view e : kBlockListEntries)
        entries.push_back(base::translateData("BlockList", std::string(e)));
    List_box.setItems(std::move(entries));
    List_box.setItemHeight(kListItemHeight);
    List_box.setFont(form.defaultFont);

    // Labels without a background of their own show the window's colour through.
    const ui::Look onForm{.back = kFormBack, .transparent = true};
    ui::dress(Label4, base::translate("Maker", "タイトル＞"), ui::font(24, White), onForm);
    name_l.setFont(ui::font(19, Black));
    name_l.setMaxBytes(kTitleMaxBytes);
    ui::dress(Label3, base::translate("Maker", "YOUR NAME"), ui::font(19, White), onForm);
    // The author field lies over the label's right part: the words are fitted into what stays in view.
    Label3.setVisibleWidth(name_l2.bounds().left - Label3.bounds().left);
    name_l2.setFont(ui::font(16, Black));
    name_l2.setMaxBytes(kAuthorMaxBytes);

    BitBtn3.setCaption(base::translate("Maker", "load"));
    BitBtn4.setCaption(base::translate("Maker", "save"));
    BitBtn2.setCaption(base::translate("Maker", "デザイン初期化"));
    for (ui::Button* b : {&BitBtn3, &BitBtn4, &BitBtn2}) b->setFont(ui::font(19, Black));

    ui::dress(L1,
              base::translate("Maker",
                              "セーブする時はファイルネームの最後に　「．ｕｓｒ」という拡張子を、半角でつけて"
                              "、例えば「ｓａｍｐｌ"
                              "ｅ．ｕｓｒ」"
                              "みたい感じにしてね☆"),
              ui::font(13, White), {.back = kNoteBack, .wrap = true});
    ui::dress(stage_n_l, "", ui::font(13, White), {.back = kFileNameBack, .wrap = true});
    ui::dress(Label1,
              base::translate("Maker",
                              "あなたの作ったデータをメールにてお送り下さい。送られてきたデータの中からいくつ"
                              "かを、次回作のステー"
                              "ジに収録する予定"
                              "ですので、面白いステージをつくってね。現在の予定では送られてきた全データを収録"
                              "するつもりですので、"
                              "ふるってお送り下"
                              "さい。御待ちしております★"),
              ui::font(13, White), {.back = kMailNoteBack, .wrap = true});
    ui::dress(Label2, base::translate("Maker", "←メール★ＨＰ→"), ui::font(13, Black), onForm);
    for (ui::Edit* e : {&Edit2, &Edit1}) {
        e->setFont(ui::font(13, Black));
        e->setFlat(true);
    }
    Edit2.setText(kMakerMail);
    Edit1.setText(kMakerHomePage);

    hint(BitBtn3, base::translate("Maker", "読込 (Ctrl+O)"));
    hint(BitBtn4, base::translate("Maker", "保存 (Ctrl+S)"));
    hint(BitBtn2, base::translate("Maker", "デザイン初期化 (Ctrl+N)"));
    struct StripButton {
        ui::Button* button;
        const char* caption;
        const char* hint;
    };
    for (const StripButton& s : {StripButton{&undo_b, QT_TRANSLATE_NOOP("Maker", "↶"),
                                             QT_TRANSLATE_NOOP("Maker", "元に戻す (Ctrl+Z)")},
                                 StripButton{&redo_b, QT_TRANSLATE_NOOP("Maker", "↷"),
                                             QT_TRANSLATE_NOOP("Maker", "やり直し (Ctrl+Y)")},
                                 StripButton{&flipCols_b, QT_TRANSLATE_NOOP("Maker", "⇆"),
                                             QT_TRANSLATE_NOOP("Maker", "左右反転 (Ctrl+R)")},
                                 StripButton{&flipRows_b, QT_TRANSLATE_NOOP("Maker", "⇅"),
                                             QT_TRANSLATE_NOOP("Maker", "上下反転 (Ctrl+U)")},
                                 StripButton{&shiftLeft_b, QT_TRANSLATE_NOOP("Maker", "←"),
                                             QT_TRANSLATE_NOOP("Maker", "左へずらす (Ctrl+J)")},
                                 StripButton{&shiftRight_b, QT_TRANSLATE_NOOP("Maker", "→"),
                                             QT_TRANSLATE_NOOP("Maker", "右へずらす (Ctrl+L)")},
                                 StripButton{&shiftUp_b, QT_TRANSLATE_NOOP("Maker", "↑"),
                                             QT_TRANSLATE_NOOP("Maker", "上へずらす (Ctrl+I)")},
                                 StripButton{&shiftDown_b, QT_TRANSLATE_NOOP("Maker", "↓"),
                                             QT_TRANSLATE_NOOP("Maker", "下へずらす (Ctrl+K)")},
                                 StripButton{&check_b, QT_TRANSLATE_NOOP("Maker", "判定"),
                                             QT_TRANSLATE_NOOP("Maker", "クリアできるか調べる (Ctrl+T)")},
                                 StripButton{&testPlay_b, QT_TRANSLATE_NOOP("Maker", "▶"),
                                             QT_TRANSLATE_NOOP("Maker", "テストプレイ (F5)")}}) {
        s.button->setCaption(base::translateData("Maker", s.caption));
        s.button->setFont(ui::font(kStripFontPx, Black));
        hint(*s.button, base::translateData("Maker", s.hint));
        // a screen reader reads the arrows and signs badly
        s.button->setAccessibleName(base::translateData("Maker", s.hint));
    }

    // Screen readers: each field is named by the label beside it; the field picture is reached with Tab.
    main_box.setAccessibleName(base::translate("Maker", "ステージの絵"));
    main_box.setTabStop(true);
    showKeyCursor();
    List_box.setAccessibleName(base::translate("Maker", "ブロックの種類"));
    name_l.setLabelledBy(&Label4);
    name_l2.setLabelledBy(&Label3);
    Edit2.setAccessibleName(base::translate("Maker", "メール"));
    Edit1.setAccessibleName(base::translate("Maker", "ＨＰ"));

    load_box.filter = stageFilter(base::translate("Files", "all files"));
    save_box.filter = stageFilter(base::translate("Files", "ALL FILES"));

    // Creation order is stacking order: later controls lie on top (Edit2 overlaps Label1's last row).
    for (ui::Control* c : std::initializer_list<ui::Control*>{&main_box, &List_box, &Label4, &name_l, &Label3,
                                                              &name_l2, &BitBtn3, &BitBtn4, &BitBtn2, &L1,
                                                              &stage_n_l, &Label1, &Edit2, &Label2, &Edit1})
        form.add(*c);
    for (ui::Button* b : {&undo_b, &redo_b, &flipCols_b, &flipRows_b, &shiftLeft_b, &shiftRight_b, &shiftUp_b,
                          &shiftDown_b, &check_b, &testPlay_b})
        form.add(*b);
    for (ui::Timer* t : {&Timer1, &Timer2, &checkTimer}) form.addTimer(*t);
}

}  // namespace maker
