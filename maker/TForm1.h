// The main window of zorban_maker: paints block codes into a stage grid and loads and saves stage files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/Translation.h"
#include "engine/BlockGrid.h"
#include "maker/Design.h"
#include "maker/EditHistory.h"
#include "maker/StageCheck.h"
#include "maker/TestPlayFile.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Key.h"
#include "ui/core/Services.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace maker {

inline constexpr int kClientWidth = 551;     // pixels
inline constexpr int kClientHeight = 571;    // pixels
inline constexpr int kPaintIntervalMs = 10;  // Timer1: one paint sample while a button is held
inline constexpr int kNameIntervalMs = 10;   // Timer2: file-name display
inline constexpr int kTitleMaxBytes = 30;    // code page 932 bytes typed into the title field
inline constexpr int kAuthorMaxBytes = 40;   // code page 932 bytes typed into the author field
inline constexpr const char* kClearQuestion = QT_TRANSLATE_NOOP("Maker", "よろしいですかすか？");
inline constexpr const char* kDiscardQuestion =
    QT_TRANSLATE_NOOP("Maker", "変更が保存されていません。破棄しますか？");
inline constexpr int kCheckPollMs = 50;  // checkTimer: looks for the result of a running check

class TForm1 {
  public:
    explicit TForm1(ui::Services& services);

    ui::Form form{"Form1", kClientWidth, kClientHeight};

    ui::Image main_box{"main_box", {0, 0, 400, 400}};
    ui::ListBox List_box{"List_box", {400, 0, 149, 401}};
    ui::Label Label4{"Label4", {8, 404, 109, 25}};
    ui::Edit name_l{"name_l", {120, 404, 277, 27}};
    ui::Label Label3{"Label3", {8, 432, 109, 17}};
    ui::Edit name_l2{"name_l2", {72, 432, 161, 21}};
    ui::Button BitBtn3{"BitBtn3", {400, 404, 149, 25}};
    ui::Button BitBtn4{"BitBtn4", {400, 432, 149, 25}};
    ui::Button BitBtn2{"BitBtn2", {400, 460, 149, 25}};
    ui::Label L1{"L1", {4, 456, 393, 25}};
    ui::Label stage_n_l{"stage_n_l", {4, 484, 393, 25}};
    ui::Label Label1{"Label1", {4, 512, 545, 41}};
    ui::Edit Edit2{"Edit2", {4, 552, 137, 19}};
    ui::Label Label2{"Label2", {144, 556, 105, 21}};
    ui::Edit Edit1{"Edit1", {248, 552, 301, 19}};
    // The strip of small buttons below "デザイン初期化": undo and redo, mirror, shift, check, test play.
    ui::Button undo_b{"undo_b", {400, 487, 13, 23}};
    ui::Button redo_b{"redo_b", {413, 487, 13, 23}};
    ui::Button flipCols_b{"flipCols_b", {426, 487, 13, 23}};
    ui::Button flipRows_b{"flipRows_b", {439, 487, 13, 23}};
    ui::Button shiftLeft_b{"shiftLeft_b", {452, 487, 13, 23}};
    ui::Button shiftRight_b{"shiftRight_b", {465, 487, 13, 23}};
    ui::Button shiftUp_b{"shiftUp_b", {478, 487, 13, 23}};
    ui::Button shiftDown_b{"shiftDown_b", {491, 487, 13, 23}};
    ui::Button check_b{"check_b", {505, 487, 26, 23}};
    ui::Button testPlay_b{"testPlay_b", {531, 487, 18, 23}};
    // The verdict on the design as it is now, beside the author field: checked again after every change.
    ui::Label verdict_l{"verdict_l", {237, 433, 138, 21}};
    ui::Button demo_b{"demo_b", {377, 433, 20, 21}};  // F6: the runner plays the design by itself

    ui::Timer Timer1{"Timer1", kPaintIntervalMs, true};
    ui::Timer Timer2{"Timer2", kNameIntervalMs, true};
    ui::Timer checkTimer{"checkTimer", kCheckPollMs, false};      // runs while a check runs
    ui::Timer verdictTimer{"verdictTimer", kCheckPollMs, false};  // runs while verdict_l's check runs

    ui::FileDialogRequest load_box;  // open dialog: filter and starting folder
    ui::FileDialogRequest save_box;  // save dialog: filter, starting folder and preset name

    // The stage being edited; the window owns it for the whole run.
    engine::BlockGrid blockGrid;
    std::string stageFileName;   // full path last chosen in the load or save dialog
    std::string stageTitle;      // mirrors name_l
    std::string stageAuthor;     // mirrors name_l2
    std::int32_t cursorCol = 0;  // grid column under the pointer at its last move
    std::int32_t cursorRow = 0;  // grid row under the pointer at its last move
    bool painting = false;       // a button pressed over main_box is held
    bool patterns = false;       // F3: each kind's pattern over its colour

    EditHistory history;  // undo and redo of strokes, loads, clears, mirrors and shifts
    Design savedDesign;   // as last loaded or saved (blank at start): what "unsaved" is measured against

    void FormCreate();
    void main_boxMouseMove(const ui::MouseEvent& e);
    void main_boxMouseDown(const ui::MouseEvent& e);
    void main_boxMouseUp(const ui::MouseEvent& e);
    void Timer1Timer();
    void Timer2Timer();
    void name_lChange();
    void name_lEnter();
    void name_l2Change();
    void name_l2Enter();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn2Click();
    // Opens a stage file named on the command line for editing, once the window shows, as the load button
    // would have; a file that cannot be read shows the error box.
    void loadStageAtStart(const std::string& path);

    // Comforts beyond the buttons above; each whole-field edit is one undo step.
    void undo_bClick();
    void redo_bClick();
    void flipCols_bClick();
    void flipRows_bClick();
    void shiftField_bClick(int cols, int rows);
    void check_bClick();
    void checkTimerTimer();
    // F5: plays the design as it is now in the stage player beside the editor, from a temporary stage
    // file; the editor stays open and its own files are not touched.
    void testPlay_bClick();
    void verdictTimerTimer();
    void demo_bClick();
    bool FormKeyDown(const ui::KeyEvent& e);  // true when the key was a shortcut
    // The field by keyboard, once Tab gave it the focus: the arrows move the key cursor one cell, Space
    // paints the block chosen in the list into it as a click there would (one undo step).
    bool main_boxKeyDown(const ui::KeyEvent& e);
    std::int32_t keyCol() const { return keyCol_; }
    std::int32_t keyRow() const { return keyRow_; }
    bool FormCloseQuery();  // false keeps the window open
    // The design differs from savedDesign and is not blank.
    bool unsaved() const;
    Design design() const;
    // Checks of verdict_l stopped by a later change before their end.
    int liveCheckDropped() const { return liveCheck_.dropped(); }

  private:
    void layout();
    void wire();
    void wireComforts();
    // Redraws the field from blockGrid (drawEditorGrid, with the patterns when they are on).
    void drawField();
    // The key cursor's cell is the field's focus mark.
    void showKeyCursor();
    // Loading stageFileName, the part of the load button after its dialog.
    void loadStage();
    void wireVerdict();
    void wireDemo();
    // Starts the runner beside the editor on the design as it is now, written to file; with --demo when
    // demo, so that it plays the design by itself.
    void playInRunner(TestPlayFile& file, bool demo);
    // The grid changed: verdict_l's check starts again on it, a running one is dropped.
    void recheck();
    // Runs change as one undo step: withTexts when it may change title and author (a load). A step that
    // fails midway is still recorded, so what it changed can be undone.
    void step(bool withTexts, const std::function<void()>& change);
    void noteStep(const Design& before, bool withTexts);
    // A paint stroke is one step from the press to the release; an edit made while a button is held
    // ends the stroke so far and starts the next one after it.
    void closeStroke();
    void reopenStroke();
    // Puts d into the grid, the texts and their fields, and redraws.
    void show(const Design& d);
    void updateHistoryButtons();
    // One step back or forward through the history (undo or redo).
    void travel(bool (EditHistory::*move)(Design&));

    ui::Services& services_;
    std::int32_t keyCol_ = 1, keyRow_ = 1;           // the key cursor's cell, inside the shown field
    Design strokeStart_;                             // the design when the open stroke began
    bool strokeOpen_ = false;                        // a stroke began and has not been recorded
    TestPlayFile testPlayFile_, demoFile_;           // the stages handed to the runner by F5 and by F6
    std::int64_t testPlayStartedMs_ = -1;            // when the runner was last started on one of them
    StageCheck liveCheck_{liveCheckLimits(), true};  // verdict_l's
    StageCheck check_{{}, true};  // last: a running check is stopped before the window goes
};

}  // namespace maker
