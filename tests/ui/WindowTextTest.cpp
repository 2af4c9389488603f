// Every label and button of the three windows, with the longest texts each can show, drawn as the window
// draws it: no ink may leave the box (a label's box, a button's face).
#include <gtest/gtest.h>
#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "engine/ScoreText.h"
#include "engine/SoundSink.h"
#include "game/CourseTable.h"
#include "game/TForm1.h"
#include "maker/TForm1.h"
#include "runner/TForm1.h"
#include "tests/engine/RecordingSoundSink.h"
#include "ui/core/HeadlessPlatform.h"
#include "ui/qt/ButtonView.h"
#include "ui/qt/LabelView.h"

namespace {

using Texts = std::map<std::string, std::vector<std::string>>;  // control name -> texts it can show

constexpr const char* kCR = "\r";
const std::string kWideTitle(30, 'W');                             // 30 bytes, the widest letters
const std::string kKanjiTitle = "鬱蒼たる森の奥の奥で眠る竜の夢";  // 15 two-byte characters
const std::string kWideAuthor(40, 'W');
const std::string kKanjiAuthor = "ぬもろソフト開発チームのとても長い名前です";  // 20 two-byte characters
const std::string kMaxScore = engine::scoreText(2'000'000'000);

// Bounds of every pixel the text touches, relative to the box's top-left corner.
QRect inkPixels(const ui::qt::FittedText& text, QSize box) {
    constexpr int kMargin = 64;
    QImage img(box + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setPen(Qt::black);
        text.draw(p, QPointF(kMargin, kMargin));
    }
    int l = img.width(), t = img.height(), r = -1, b = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(line[x]) != 0) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
    }
    if (r < 0) return {};
    return QRect(QPoint(l - kMargin, t - kMargin), QPoint(r - kMargin, b - kMargin));
}

std::vector<ui::Control*> allControls(ui::Control& parent) {
    std::vector<ui::Control*> out;
    for (ui::Control* c : parent.children()) {
        out.push_back(c);
        for (ui::Control* d : allControls(*c)) out.push_back(d);
    }
    return out;
}

// Draws every label and button of form with its own caption and each of the extra texts, at the given
// scale; returns one line per text whose ink leaves its box.
std::vector<std::string> overflows(ui::Form& form, const Texts& extra, int scale) {
    std::vector<std::string> out;
    ui::ScriptedDialogs dialogs;
    ui::Dispatcher dispatcher{dialogs};
    QWidget host;  // views inside a parent take their boxes from the controls
    const auto check = [&](const std::string& name, const std::string& text, const ui::qt::FittedText& fitted,
                           QRect box) {
        const QRect ink = inkPixels(fitted, box.size());
        if (ink.isNull() || QRect(QPoint(0, 0), box.size()).contains(ink)) return;
        std::ostringstream s;
        s << name << " x" << scale << " \"" << text << "\": ink " << ink.left() << ".." << ink.right()
          << " x " << ink.top() << ".." << ink.bottom() << " in a " << box.width() << " x " << box.height()
          << " box (" << fitted.pixelSize() << " px, " << fitted.stretch() << " %, " << fitted.shownLines()
          << " lines, estimated " << fitted.ink().top() << ".." << fitted.ink().bottom() << ")";
        out.push_back(s.str());
    };
    for (ui::Control* c : allControls(form)) {
        std::vector<std::string> texts;
        if (auto it = extra.find(c->name()); it != extra.end()) texts = it->second;
        if (auto* label = dynamic_cast<ui::Label*>(c)) {
            texts.push_back(label->caption());
            const std::string own = label->caption();
            ui::qt::LabelView view(*label, &host);
            view.setScale(scale);
            for (const std::string& t : texts) {
                label->setCaption(t);
                view.apply();
                QRect box = view.rect();  // the part no other control covers
                if (label->visibleWidth() > 0)
                    box.setWidth(std::min(box.width(), label->visibleWidth() * scale));
                check(c->name(), t, view.fitted(), box);
            }
            label->setCaption(own);
        } else if (auto* button = dynamic_cast<ui::Button*>(c)) {
            texts.push_back(button->caption());
            const std::string own = button->caption();
            ui::qt::ButtonView view(*button, dispatcher, &host);
            view.setScale(scale);
            for (const std::string& t : texts) {
                button->setCaption(t);
                view.apply();
                check(c->name(), t, view.fitted(), view.captionBox());
            }
            button->setCaption(own);
        }
    }
    return out;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += "\n  " + l;
    return s;
}

// Toy names and descriptions from the catalogue source.
struct Toy {
    std::string name, about;
    int rarity;
};
std::vector<Toy> catalogue() {
    std::vector<Toy> toys;
    std::ifstream in(ZORBAN_SOURCE_DIR "/data/toys.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string x; std::getline(fields, x, '\t');) f.push_back(x);
        if (f.size() >= 5) toys.push_back({f[1], f[4], std::atoi(f[2].c_str())});
    }
    return toys;
}

std::string stateBlock(const std::string& stage, bool withMaxCombo) {
    std::string s = "HP:99/99 mHP:50/50";
    s += std::string(kCR) + kCR + kCR + "ステージ：" + stage;
    s += std::string(kCR) + "スピード:100 (変化時間:999)";
    s += std::string(kCR) + kCR + "▼お金: 99999 moon円";
    if (withMaxCombo) s += std::string(kCR) + "MAXCOMBO:999999999(HI:999999999)";
    return s;
}

// Texts both play windows show in the same labels.
Texts playTexts(bool game) {
    Texts t;
    t["point_l"] = {kMaxScore, engine::scoreText(1'999'999'999)};
    t["combo_l"] = {"999999999 combo", "1 combo", "44 combo", "110 combo"};
    t["time_l"] = {"残時間:999光年", "残時間:0光年"};
    t["state_l"] = {stateBlock(game ? "24/24" : "9999/9999", game)};
    for (const char* banner : {"GAME OVER!!!", "CLEAR!!!", "ALL CLEAR!", "HANG IN THERE!", "爆死！！"}) {
        t["moji_l2"].push_back(banner);
        t["moji_l3"].push_back(banner);
    }
    for (const std::string& title : {kWideTitle, kKanjiTitle}) {
        t["moji_l2"].push_back("『" + title + "』");
        t["moji_l3"].push_back("『" + title + "』");
    }
    for (const std::string& line2 :
         {"by " + kWideAuthor, "by " + kKanjiAuthor, std::string("by") + kWideAuthor,
          std::string("time present +74光年"), std::string("LOVE THE BEAT!"), std::string("Life:98"),
          std::string("time out!!!")}) {
        t["moji_l2a"].push_back(line2);
        t["moji_l3a"].push_back(line2);
    }
    const std::string indent(18, ' ');
    t["moji_l"] = {indent + "『" + kKanjiTitle + "』 by " + kKanjiAuthor, indent + "『" + kWideTitle + "』",
                   "                START!!!",
                   " +999999999 【HP +1】 +100 +100 +100 +100 +100 +100 +100 +100"};
    return t;
}

Texts gameTexts() {
    Texts t = playTexts(true);
    for (const char* name : {"high_l", "end_point_l", "end_hipoint_l"}) t[name] = {kMaxScore};
    t["gold_l"] = {"99999 moon円"};
    t["lv_l"] = {"20億点制覇!【来た、時の最果て、ここは宇宙の最後だ、ぎゃああ】",
                 "10万点達成!【この小さな星の裏側は凍てつき誰も地上に出られない】",
                 "50万点達成!【あの遠く見える青い星････あれが地球だと知っている】"};
    for (const char* course :
         {"STREET CORSE", "VOCAL CORSE", "PELTRA!!! CORSE", "BONUS CORSE", "SORELI CORSE", "VELORIS CORSE"})
        for (const std::string& title : {kWideTitle, kKanjiTitle})
            t["stage_l"].push_back("<" + std::string(course) + ">" + kCR + "『" + title + "』");
    for (std::uint8_t n = 1; n <= game::kCourseCount; ++n) {
        const game::Course& c = game::course(n);
        t["moji_l2"].push_back(c.banner);
        t["moji_l3"].push_back(c.banner);
        t["hint_l"].push_back(c.hint);
        t["star_l2"].push_back(c.rating);
        t["end_corse_l"].push_back(c.endName);
    }
    t["clear_l"] = {"This Corse All Clear!!"};
    t["end_stage_l"] = {"24/24"};
    t["end_combo_l"] = {"999999999"};
    t["end_hi_combo_l"] = {"999999999"};
    t["end_all_l"] = {"99"};
    t["toy_n_l"] = {"Number 512/512"};
    t["item_value_l"] = {"レア度：100%"};
    for (const Toy& toy : catalogue()) {
        t["item_name_l"].push_back(toy.name + " x99");
        t["item_about_l"].push_back(toy.about);
    }
    return t;
}

Texts runnerTexts() {
    Texts t = playTexts(false);
    for (const std::string& title : {kWideTitle, kKanjiTitle})
        t["stage_l"].push_back(std::string("this stage`s name>") + kCR + "『" + title + "』");
    return t;
}

Texts makerTexts() {
    Texts t;
    t["stage_n_l"] = {"/home/player/.local/share/zorban/dat/" + std::string(40, 'W') + ".usr",
                      "/opt/zorban/lib/zorban/dat/map6-9.dat"};
    t["verdict_l"] = {"調べています…",
                      "消すブロックなし",
                      "クリア可：時間999・ライフ99",
                      "探索でクリアできず（時間切れ）",
                      "探索でクリアできず（ライフ切れ）",
                      "探索でクリアできず（打ち切り）",
                      "探索でクリアできず（手詰まり）",
                      "調べられませんでした"};
    return t;
}

class WindowText : public ::testing::TestWithParam<int> {
  protected:
    ui::HeadlessPlatform platform{"/nonexistent/"};
    enginetest::RecordingSoundSink sound;
};

TEST_P(WindowText, EveryTextOfTheGameWindowStaysInItsBox) {
    game::TForm1 w(platform.services(), &sound);
    const auto bad = overflows(w.form, gameTexts(), GetParam());
    EXPECT_TRUE(bad.empty()) << bad.size() << " texts leave their boxes:" << joined(bad);
}

TEST_P(WindowText, EveryTextOfTheRunnerWindowStaysInItsBox) {
    runner::TForm1 w(platform.services(), sound);
    const auto bad = overflows(w.form, runnerTexts(), GetParam());
    EXPECT_TRUE(bad.empty()) << bad.size() << " texts leave their boxes:" << joined(bad);
}

TEST_P(WindowText, EveryTextOfTheMakerWindowStaysInItsBox) {
    maker::TForm1 w(platform.services());
    const auto bad = overflows(w.form, makerTexts(), GetParam());
    EXPECT_TRUE(bad.empty()) << bad.size() << " texts leave their boxes:" << joined(bad);
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowText, ::testing::Values(1, 2));

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
