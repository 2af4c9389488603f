// Runs a window model on Qt 6 Widgets: the application, real clock, dialogs, random, dispatcher and event
// loop.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/core/Dialogs.h"
#include "ui/core/Form.h"
#include "ui/core/Services.h"

class QWidget;

namespace ui::qt {

// One per program, created first thing in main():
//
//     int main(int argc, char** argv) {
//         ui::qt::QtPlatform platform(argc, argv);
//         runner::TForm1 window(platform.services(), sound);
//         return platform.run(window.form);
//     }
//
// Test mode: with QT_QPA_PLATFORM=offscreen everything works without a display; interceptDialogs puts
// scripted answers in place of the modal dialogs.
class QtPlatform {
  public:
    QtPlatform(int& argc, char** argv);
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // Clock, dialogs, random (seeded from the clock), dispatcher, program folder and postToUi.
    ui::Services& services();

    // Builds the window of form, runs form.onCreate, shows it and runs the event loop until the window
    // closes (onCloseQuery, onClose, onDestroy). Returns the event loop's exit code.
    int run(ui::Form& form);
    // Runs fn through the dispatcher once the window that run() shows has painted its first frame: work
    // that the first frame need not wait for (opening the sound device).
    void afterFirstPaint(std::function<void()> fn);

    // For a program of which one copy per save folder may run. Nothing when this is the first (go on);
    // otherwise the exit status to end with at once: 0 when another copy already runs on the same saves and
    // came to the front, or could not (the desktop refused: the player is told it runs), 1 when it did not
    // answer (the player is told). Call before anything reads the saves.
    std::optional<int> claimSingleInstance(const std::string& program);

    // What SIGTERM, SIGINT, SIGHUP and the end of the desktop session do: runs onClose with endingSession set
    // (no questions), closes the window and ends the event loop.
    void endSession();

    // Test hooks ----------------------------------------------------------------------------------
    // Builds the window and runs onCreate without showing it or entering the event loop; the window
    // stays until the platform is destroyed or close() is called. Returns the top-level widget.
    // The window detaches from the form's controls and timers when it goes, so the form must still
    // exist then (declare it before the platform, or call close() first). run() does this itself.
    QWidget* build(ui::Form& form);
    // Closes the built window as the user would (runs onCloseQuery, onClose, onDestroy).
    void close();
    // The widget built for a control (nullptr when none was built).
    QWidget* widgetOf(const ui::Control& control) const;
    // Routes every dialog to d instead of showing it (nullptr shows real dialogs again).
    void interceptDialogs(ui::Dialogs* d);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ui::qt
