// Scripted dialog answers for end-to-end runs (ZORBAN_TEST_DIALOGS=<file>), with a log of every dialog.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/core/Dialogs.h"

namespace app {

// The script is a text file (UTF-8), one answer per line, used in order; it is read again at every
// dialog, so a test may append answers while the program runs. Blank lines and lines starting with '#'
// are skipped.
//     open <path>    the next open-file dialog chooses <path>     open    it is cancelled
//     save <path>    the next save-file dialog chooses <path>     save    it is cancelled
//     yes | no       the next confirmation
//     choose <n>     the next question with several buttons takes button n (from 0); without it, the last
// A dialog whose next line is of another kind (or that finds no line left) is cancelled or answered No,
// and the line stays for the next dialog. Message and error boxes take no line and are never shown.
// Every dialog appends one line to <file>.log (UTF-8, fields separated by tabs, line breaks as \r \n):
//     open	<filter>	<folder>	<preset name>	<chosen path or "cancel">
//     save	<filter>	<folder>	<preset name>	<chosen path or "cancel">
//     confirm	<text>	yes|no
//     choose	<text>	<button chosen>
//     message	<text>
//     error	<text>
class DialogScript : public ui::Dialogs {
  public:
    explicit DialogScript(std::string path);

    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override;
    bool confirm(const std::string& text) override;
    int choose(const std::string& text, const std::vector<std::string>& buttons) override;
    void message(const std::string& text) override;
    void error(const std::string& text) override;

  private:
    // The next unused line if it starts with kind (its argument, possibly empty), consuming it.
    std::optional<std::string> take(const std::string& kind);
    std::optional<std::string> file(const char* kind, const ui::FileDialogRequest& request);
    void log(const std::string& line);

    std::string path_;
    int used_ = 0;  // answer lines consumed so far
};

// The script that the environment variable ZORBAN_TEST_DIALOGS names, or none: a program hands it to its
// platform (which then asks it instead of showing dialogs) and keeps it while the platform lives.
std::unique_ptr<DialogScript> dialogScriptFromEnvironment();

}  // namespace app
