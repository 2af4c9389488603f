// Every label and button of the three windows, with the longest texts each can show, drawn as the window
// draws it, in Japanese and in English: no ink may leave the box (a label's box, a button's face).
#include <gtest/gtest.h>
#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTranslator>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "base/Translation.h"
#include "engine/ScoreText.h"
#include "engine/SoundSink.h"
#include "game/CourseTable.h"
#include "game/TForm1.h"
#include "maker/CheckReport.h"
#include "maker/TForm1.h"
#include "runner/TForm1.h"
#include "tests/engine/RecordingSoundSink.h"
#include "ui/core/HeadlessPlatform.h"
#include "ui/qt/ButtonView.h"
#include "ui/qt/LabelView.h"
#include "ui/qt/QtFonts.h"

namespace {

using Texts = std::map<std::string, std::vector<std::string>>;  // control name -> texts it can show

constexpr const char* kCR = "\r";
const std::string kWideTitle(30, 'W');                             // 30 bytes, the widest letters
const std::string kKanjiTitle = "鬱蒼たる森の奥の奥で眠る竜の夢";  // 15 two-byte characters
const std::string kWideAuthor(40, 'W');
const std::string kKanjiAuthor = "ぬもろソフト開発チームのとても長い名前です";  // 20 two-byte characters

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

// The largest difference of a colour channel between the text drawn from its glyphs and drawn from the
// pixels that fitting kept, in a colour over a background.
int keptPixelsOff(const ui::qt::FittedText& text, QSize box) {
    QImage drawn(box, QImage::Format_RGB32), kept(box, QImage::Format_RGB32);
    drawn.fill(QColor(0, 128, 64));
    kept.fill(QColor(0, 128, 64));
    const QColor colour(255, 200, 30);
    {
        QPainter p(&drawn);
        p.setPen(colour);
        text.draw(p, QPointF(0, 0));
    }
    {
        QPainter p(&kept);
        text.drawAsFitted(p, QPointF(0, 0), colour);
    }
    int off = 0;
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) {
            const QRgb a = drawn.pixel(x, y), b = kept.pixel(x, y);
            off = std::max({off, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                            std::abs(qBlue(a) - qBlue(b))});
        }
    return off;
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
                // A label shows the pixels that fitting drew: the same as drawing the glyphs again, but for
                // the rounding of a blend through premultiplied colour.
                if (const int off = keptPixelsOff(view.fitted(), view.size()); off > 3)
                    out.push_back(c->name() + " \"" + t + "\": kept pixels off by " + std::to_string(off));
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

using base::fillIn;
using base::translate;
using base::translateData;

std::string stateBlock(const std::string& shown, const std::string& of, bool withMaxCombo) {
    std::string s = fillIn(translate("Status", "HP:%1/%2 mHP:%3/50"), "99", "99", "50");
    s += std::string(kCR) + kCR + kCR + fillIn(translate("Status", "ステージ：%1/%2"), shown, of);
    s += std::string(kCR) + fillIn(translate("Status", "スピード:%1 (変化時間:%2)"), "100", "999");
    s += std::string(kCR) + kCR + fillIn(translate("Status", "▼お金: %1 moon円"), base::shownNumber(99999));
    if (withMaxCombo)
        s += std::string(kCR) + fillIn(translate("Status", "MAXCOMBO:%1(HI:%2)"),
                                       base::shownNumber(999999999), base::shownNumber(999999999));
    return s;
}

// Texts both play windows show in the same labels.
Texts playTexts(bool game) {
    Texts t;
    t["point_l"] = {engine::shownScore(2'000'000'000), engine::shownScore(1'999'999'999)};
    for (const int combo : {999999999, 1, 44, 110})
        t["combo_l"].push_back(fillIn(translate("Status", "%1 combo"), base::shownNumber(combo)));
    t["time_l"] = {fillIn(translate("Status", "残時間:%1光年"), "999"),
                   fillIn(translate("Status", "残時間:%1光年"), "0")};
    t["state_l"] = {game ? stateBlock("24", "24", true) : stateBlock("9999", "9999", false)};
    for (const std::string& banner :
         {translate("Effects", "GAME OVER!!!"), translate("Effects", "CLEAR!!!"),
          translate("Effects", "ALL CLEAR!"), translate("Effects", "HANG IN THERE!"),
          translate("Effects", "爆死！！"), translate("Effects", "死亡！！")}) {
        t["moji_l2"].push_back(banner);
        t["moji_l3"].push_back(banner);
    }
    for (const std::string& title : {kWideTitle, kKanjiTitle}) {
        t["moji_l2"].push_back(fillIn(translate("Status", "『%1』"), title));
        t["moji_l3"].push_back(fillIn(translate("Status", "『%1』"), title));
    }
    for (const std::string& line2 :
         {fillIn(translate("Effects", "by %1"), kWideAuthor),
          fillIn(translate("Effects", "by %1"), kKanjiAuthor),
          fillIn(translate("Effects", "by%1"), kWideAuthor),
          fillIn(translate("Effects", "time present +%1光年"), "74"), translate("Effects", "LOVE THE BEAT!"),
          fillIn(translate("Effects", "Life:%1"), "98"), translate("Effects", "time out!!!")}) {
        t["moji_l2a"].push_back(line2);
        t["moji_l3a"].push_back(line2);
    }
    const std::string indent(18, ' ');
    t["moji_l"] = {
        indent + fillIn(translate("Status", "『%1』"), kKanjiTitle) +
            fillIn(translate("Effects", " by %1"), kKanjiAuthor),
        indent + fillIn(translate("Status", "『%1』"), kWideTitle),
        translate("Effects", "                START!!!"),
        " +999999999" + translate("Effects", " 【HP +1】") + " +100 +100 +100 +100 +100 +100 +100 +100"};
    return t;
}

Texts gameTexts() {
    Texts t = playTexts(true);
    for (const char* name : {"high_l", "end_point_l", "end_hipoint_l"})
        t[name] = {engine::shownScore(2'000'000'000)};
    t["gold_l"] = {fillIn(translate("Status", "%1 moon円"), base::shownNumber(99999))};
    t["lv_l"] = {translate("Status", "20億点制覇!【来た、時の最果て、ここは宇宙の最後だ、ぎゃああ】"),
                 translate("Status", "１億点達成!【どこまでも続く闇。思い出そう、闇に瞬く光、命だ】"),
                 translate("Status", "1000万点達成!【いつか立とう、あの母なる星の緑の丘に。】"),
                 translate("Status", "10万点達成!【この小さな星の裏側は凍てつき誰も地上に出られない】"),
                 translate("Status", "50万点達成!【あの遠く見える青い星････あれが地球だと知っている】")};
    for (std::size_t n = 1; n < engine::kCourseStatusNames.size(); ++n)
        for (const std::string& title : {kWideTitle, kKanjiTitle})
            t["stage_l"].push_back("<" + translateData("Courses", engine::kCourseStatusNames[n]) + ">" + kCR +
                                   fillIn(translate("Status", "『%1』"), title));
    for (std::uint8_t n = 1; n <= game::kCourseCount; ++n) {
        const game::Course& c = game::course(n);
        t["moji_l2"].push_back(translateData("Courses", c.banner));
        t["moji_l3"].push_back(translateData("Courses", c.banner));
        t["hint_l"].push_back(translateData("Courses", c.hint));
        t["star_l2"].push_back(c.rating);
        t["end_corse_l"].push_back(translateData("Courses", c.endName));
    }
    t["clear_l"] = {translate("EndPanel", "This Corse All Clear!!")};
    t["end_stage_l"] = {"24/24"};
    t["end_combo_l"] = {base::shownNumber(999999999)};
    t["end_hi_combo_l"] = {base::shownNumber(999999999)};
    t["end_all_l"] = {"99"};
    t["toy_n_l"] = {fillIn(translate("ToyShop", "Number %1/%2"), "512", "512")};
    t["item_value_l"] = {fillIn(translate("ToyShop", "レア度：%1%"), "100")};
    for (const Toy& toy : catalogue()) {
        t["item_name_l"].push_back(
            fillIn(translate("ToyShop", "%1 x%2"), translateData("Toys", toy.name), "99"));
        t["item_about_l"].push_back(translateData("ToyAbout", toy.about));
    }
    return t;
}

Texts runnerTexts() {
    Texts t = playTexts(false);
    for (const std::string& title : {kWideTitle, kKanjiTitle})
        t["stage_l"].push_back(translate("Status", "this stage`s name>") + kCR +
                               fillIn(translate("Status", "『%1』"), title));
    return t;
}

Texts makerTexts() {
    Texts t;
    t["stage_n_l"] = {"/home/player/.local/share/zorban/dat/" + std::string(40, 'W') + ".usr",
                      "/opt/zorban/lib/zorban/dat/map6-9.dat"};
    const auto check = [](const char* text) { return translateData("Check", text); };
    t["verdict_l"] = {
        check(maker::kVerdictChecking), check(maker::kVerdictNothing),
        check(maker::kVerdictCleared) + fillIn(translate("Check", "時間%1・ライフ%2"), "999", "99")};
    for (const char* why :
         {maker::kVerdictTimeOut, maker::kVerdictLivesOut, maker::kVerdictCut, maker::kVerdictStuck})
        t["verdict_l"].push_back(check(maker::kVerdictNotCleared) + check(why));
    t["verdict_l"].push_back(check(maker::kVerdictFailed));
    return t;
}

// The windows in a language ("ja": the texts as written; else its translation beside the programs) at a
// scale.
class WindowText : public ::testing::TestWithParam<std::tuple<std::string, int>> {
  protected:
    void SetUp() override {
        const std::string language = std::get<0>(GetParam());
        if (language == "ja") return;
        ASSERT_TRUE(translator_.load(QString::fromStdString("zorban_" + language), ZORBAN_GAME_DIR));
        QCoreApplication::installTranslator(&translator_);
        base::setTranslator(
            [](const char* context, const char* text) {
                return QCoreApplication::translate(context, text).toStdString();
            },
            language);
    }
    void TearDown() override {
        base::setTranslator(nullptr, "ja");
        QCoreApplication::removeTranslator(&translator_);
    }
    int scale() const { return std::get<1>(GetParam()); }

    QTranslator translator_;
    ui::HeadlessPlatform platform{"/nonexistent/"};
    enginetest::RecordingSoundSink sound;
};

TEST_P(WindowText, EveryTextOfTheGameWindowStaysInItsBox) {
    game::TForm1 w(platform.services(), &sound);
    const auto bad = overflows(w.form, gameTexts(), scale());
    EXPECT_TRUE(bad.empty()) << bad.size() << " texts leave their boxes:" << joined(bad);
}

TEST_P(WindowText, EveryTextOfTheRunnerWindowStaysInItsBox) {
    runner::TForm1 w(platform.services(), sound);
    const auto bad = overflows(w.form, runnerTexts(), scale());
    EXPECT_TRUE(bad.empty()) << bad.size() << " texts leave their boxes:" << joined(bad);
}

TEST_P(WindowText, EveryTextOfTheMakerWindowStaysInItsBox) {
    maker::TForm1 w(platform.services());
    const auto bad = overflows(w.form, makerTexts(), scale());
    EXPECT_TRUE(bad.empty()) << bad.size() << " texts leave their boxes:" << joined(bad);
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndScales, WindowText,
                         ::testing::Combine(::testing::Values("ja", "en"), ::testing::Values(1, 2)),
                         [](const auto& info) {
                             return std::get<0>(info.param) + "_x" + std::to_string(std::get<1>(info.param));
                         });

}  // namespace

int main(int argc, char** argv) {
    ui::qt::cacheBigGlyphs();  // the texts drawn as the programs draw them
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
