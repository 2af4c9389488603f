// The main window of zorban_maker: paints block codes into a stage grid and loads and saves stage files.
#pragma once

#include <cstdint>
#include <string>

#include "engine/BlockGrid.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Services.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace maker {

inline constexpr int kClientWidth = 551;      // pixels
inline constexpr int kClientHeight = 571;     // pixels
inline constexpr int kPaintIntervalMs = 10;   // Timer1: one paint sample while a button is held
inline constexpr int kNameIntervalMs = 10;    // Timer2: file-name display
inline constexpr int kTitleMaxBytes = 30;     // code page 932 bytes typed into the title field
inline constexpr int kAuthorMaxBytes = 40;    // code page 932 bytes typed into the author field
inline constexpr const char* kClearQuestion = "よろしいですかすか？";

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

    ui::Timer Timer1{"Timer1", kPaintIntervalMs, true};
    ui::Timer Timer2{"Timer2", kNameIntervalMs, true};

    ui::FileDialogRequest load_box;  // open dialog: filter and starting folder
    ui::FileDialogRequest save_box;  // save dialog: filter, starting folder and preset name

    // The stage being edited; the window owns it for the whole run.
    engine::BlockGrid blockGrid;
    std::string stageFileName;  // full path last chosen in the load or save dialog
    std::string stageTitle;     // mirrors name_l
    std::string stageAuthor;    // mirrors name_l2
    std::int32_t cursorCol = 0;  // grid column under the pointer at its last move
    std::int32_t cursorRow = 0;  // grid row under the pointer at its last move
    bool painting = false;       // a button pressed over main_box is held

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

private:
    void layout();
    void wire();

    ui::Services& services_;
};

}  // namespace maker
