// The three windows under a pseudo-translation, in the states their tests take them through: every text a
// player sees went through translation (the player's own titles and names, paths and addresses aside).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>

#include "PseudoTranslation.h"
#include "engine/SoundSink.h"
#include "game/TForm1.h"
#include "maker/TForm1.h"
#include "runner/TForm1.h"
#include "tests/engine/RecordingSoundSink.h"
#include "tests/game/GameFolder.h"
#include "ui/core/HeadlessPlatform.h"

namespace i18ntest {
namespace {

// Texts that are the player's or the project's own, never translated.
const std::set<std::string> kUserData{"Label32", "Label33", "Edit1",    "Edit2",
                                      "name_l",  "name_l2", "stage_n_l"};

using Look = std::function<void(const std::string& state)>;

// A click on the play field at x, after the pointer went there.
void clickField(ui::HeadlessPlatform& platform, ui::Image& field, int x) {
    platform.handle([&] { field.onMouseMove({ui::MouseButton::Left, x, 300}); });
    platform.handle([&] { field.onMouseDown({ui::MouseButton::Left, x, 300}); });
}

// Advances virtual time until done() holds, at most limitMs; true when it held.
bool playUntil(ui::HeadlessPlatform& platform, const std::function<bool()>& done, int limitMs = 20000) {
    for (int t = 0; t < limitMs; t += 50) {
        platform.advance(50);
        if (done()) return true;
    }
    return false;
}

// Course 2 of a game folder with two one-block stages: the first cleared (with a pause in play), help, the
// ranking page and the toy shop opened (with a draw of the lottery, whose luck the window seeds from the
// clock, when drawToy), the second lost, the results saved. look() is told each state.
void playCourse2(ui::HeadlessPlatform& platform, game::TForm1& w, const Look& look, bool drawToy) {
    const auto click = [&](ui::Control& c) { platform.handle(c.onClick); };
    look("start panel");
    click(w.Button6);
    look("course picked");
    click(w.ok_b);
    look("serve");
    clickField(platform, w.main_box, 180);
    platform.advance(200);
    look("in play");
    platform.key(w.form, {'P'});
    look("paused");
    platform.key(w.form, {'P'});
    ASSERT_TRUE(playUntil(platform, [&] { return w.ok_b.visible() || w.end_b.visible(); }));
    look("stage cleared");

    click(w.help_b);
    look("help");
    click(w.Button4);
    look("ranking page");
    click(w.Button48);
    click(w.Button3);
    w.state.my.money = 100'000;
    click(w.store_b);
    if (drawToy) click(w.Button8);
    w.item_list.userSelected(0);
    platform.handle([&] { w.item_listMouseDown(); });
    look("toy shop");
    click(w.Button7);

    click(w.ok_b);
    for (int life = 0; life < 10 && w.try_b.visible(); ++life) {
        clickField(platform, w.main_box, 200);  // serve
        clickField(platform, w.main_box, 200);  // explode: a life
    }
    platform.advance(10);
    look("game over");
    click(w.end_b);
    look("end panel");
    click(w.Button10);
    look("back at the start");
}

class PseudoWindows : public ::testing::Test {
  protected:
    PseudoTranslation pseudo;  // before the windows: they translate as they are made
    gametest::GameFolder folder;
    enginetest::RecordingSoundSink sound;
    ui::HeadlessPlatform platform{folder.programDir()};

    void SetUp() override { folder.install(); }
    void click(ui::Control& c) { platform.handle(c.onClick); }

    // Records every untranslated text of form and the dialogs so far, under the name of the state.
    void look(const ui::Form& form, const std::string& state) {
        for (const std::string& t : untranslatedTexts(form, kUserData)) bad_.push_back(state + " / " + t);
        for (const std::string& t : untranslatedDialogTexts(platform.dialogs))
            bad_.push_back(state + " / " + t);
    }
    void TearDown() override {
        std::string all;
        for (const std::string& b : bad_) all += "\n  " + b;
        EXPECT_TRUE(bad_.empty()) << bad_.size() << " texts did not go through translation:" << all;
    }

  private:
    std::vector<std::string> bad_;
};

TEST_F(PseudoWindows, TheCheckFindsTheTextsThatPassedTranslationBy) {
    ui::Form form("Form1", 100, 100);
    ui::Label plain{"plain", {0, 0, 50, 20}}, marked{"marked", {0, 20, 50, 20}}, log{"log", {0, 40, 50, 20}},
        hidden{"hidden", {0, 60, 50, 20}, false}, offscreen{"offscreen", {200, 0, 50, 20}};
    ui::Button button{"button", {50, 0, 50, 20}};
    plain.setCaption("ステータス");
    marked.setCaption("[HP:%1] 12 / 34 [『[t]』]");
    log.setCaption("00 [【HP +1】] +100 [【Ti");  // cut by the scroll
    hidden.setCaption("hidden");
    offscreen.setCaption("offscreen");
    button.setCaption("[OK]");
    button.setHint("Ctrl+S");
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&plain, &marked, &log, &hidden, &offscreen, &button})
        form.add(*c);
    EXPECT_EQ(untranslatedTexts(form, {}),
              (std::vector<std::string>{"plain: ステータス", "button hint: Ctrl+S"}));
}

TEST_F(PseudoWindows, TheGameFromTheStartPanelToTheEndPanel) {
    folder.writeStage(2, 0);
    folder.writeStage(2, 1);
    game::TForm1 w(platform.services(), &sound);
    platform.start(w.form);
    playCourse2(
        platform, w, [&](const std::string& state) { look(w.form, state); }, true);
}

TEST_F(PseudoWindows, TheRunnerFromItsStartToCleared) {
    folder.writeStage(1, 0);
    runner::TForm1 w(platform.services(), sound);
    platform.start(w.form);
    look(w.form, "start");
    platform.dialogs.openAnswers.push_back(folder.path("dat/map1-0.dat").string());
    click(w.Button5);
    look(w.form, "stage chosen");
    clickField(platform, w.main_box, 180);
    platform.advance(200);
    look(w.form, "in play");
    platform.key(w.form, {'P'});
    look(w.form, "paused");
    platform.key(w.form, {'P'});
    playUntil(platform, [&] { return !w.Timer1.enabled(); });
    look(w.form, "stage ended");
    platform.dialogs.openAnswers.push_back(folder.path("dat/missing.dat").string());
    click(w.Button5);
    look(w.form, "a file that cannot be read");
}

TEST_F(PseudoWindows, TheMakerPaintingCheckingAndAskingFirst) {
    maker::TForm1 w(platform.services());
    platform.start(w.form);
    look(w.form, "start");
    platform.handle([&] { w.main_box.onMouseMove({ui::MouseButton::Left, 100, 100}); });
    platform.handle([&] { w.main_box.onMouseDown({ui::MouseButton::Left, 100, 100}); });
    platform.advance(20);
    platform.handle([&] { w.main_box.onMouseUp({ui::MouseButton::Left, 100, 100}); });
    look(w.form, "painted");
    for (int i = 0; i < 200 && w.verdict_l.caption().find("…") != std::string::npos; ++i)
        platform.advance(50);
    look(w.form, "verdict");
    click(w.check_b);
    look(w.form, "checked");
    platform.dialogs.openAnswers.push_back(folder.path("dat/missing.usr").string());
    click(w.BitBtn3);
    look(w.form, "asked before loading, then a file that cannot be read");
    click(w.BitBtn2);
    look(w.form, "asked before clearing");
}

}  // namespace
}  // namespace i18ntest

namespace i18ntest {
namespace {

// A run of course 2 (a stage cleared, the lives lost, the results saved) and a stage saved by the editor,
// with or without the pseudo-translation; the bytes of every file they wrote.
std::map<std::string, std::string> filesWritten(bool translated) {
    std::optional<PseudoTranslation> pseudo;
    if (translated) pseudo.emplace();
    gametest::GameFolder folder;
    folder.install();
    folder.writeStage(2, 0);
    folder.writeStage(2, 1);
    enginetest::RecordingSoundSink sound;
    {
        ui::HeadlessPlatform platform{folder.programDir()};
        game::TForm1 w(platform.services(), &sound);
        platform.start(w.form);
        playCourse2(
            platform, w, [](const std::string&) {}, false);
        platform.handle([&] { w.FormClose(); });

        maker::TForm1 m(platform.services());
        platform.start(m.form);
        platform.dialogs.saveAnswers.push_back(folder.path("dat/mine.usr").string());
        platform.handle(m.BitBtn4.onClick);
    }
    std::map<std::string, std::string> files;
    for (const char* name : {"dat/my.dat", "dat/my2.dat", "投稿用2.txt", "dat/mine.usr"})
        files[name] = folder.read(name);
    return files;
}

TEST(StoredFiles, KeepTheirBytesInEveryLanguage) {
    const auto japanese = filesWritten(false);
    const auto translated = filesWritten(true);
    for (const auto& [name, bytes] : japanese) {
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(translated.at(name), bytes) << name;
    }
}

}  // namespace
}  // namespace i18ntest
