// The language of a Qt program: chosen at start-up from zorban.ini and the desktop, its translations loaded
// (the program's own, beside the programs, and Qt's for the toolkit's dialogs), and a key to change it.
#pragma once

#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "base/Settings.h"
#include "ui/core/Key.h"

namespace ui::qt {

class QtLanguage {
  public:
    static constexpr const char* kKey = "language";
    static constexpr const char* kFilePrefix = "zorban_";  // zorban_en.qm, zorban_pt_BR.qm...

    // The translations found in programDir, the choice made with settings (nullptr: the desktop's alone),
    // installed into the running application and as base's translator.
    QtLanguage(const std::string& programDir, base::Settings* settings);
    ~QtLanguage();
    QtLanguage(const QtLanguage&) = delete;
    QtLanguage& operator=(const QtLanguage&) = delete;

    const std::string& code() const { return code_; }
    // The language codes that have a translation in folder (Japanese, which needs none, not among them).
    static std::vector<std::string> available(const std::string& folder);
    // The languages a program in programDir can speak: "ja" first, then those of available().
    static std::vector<std::string> languages(const std::string& programDir);

    // Ctrl+Shift+L.
    static bool isSwitchKey(const ui::KeyEvent& e);
    // Remembers the next language (in the order ja, then the translations) for the next start; returns the
    // note that tells the player so.
    std::string switchForNextStart();

  private:
    void install();

    base::Settings* settings_;
    std::vector<std::string> languages_;  // "ja" first
    std::string code_;
    std::string next_;
    std::unique_ptr<QTranslator> own_, toolkit_;
};

}  // namespace ui::qt
