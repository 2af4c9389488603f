// The player's language for what a program writes before its window exists: --help, --version and a wrong
// command line, in the language its window will speak (zorban.ini, then the desktop), with no display.
#pragma once

#include <memory>
#include <string>

class QTranslator;

namespace ui::qt {

// Made first thing in main(), before the command line is read, and kept until main() returns (the platform's
// own language takes over while it lives):
//
//     const ui::qt::CommandLineLanguage language("zorban_runner");
//     base::ProgramOptions options("zorban_runner", base::translate("Options", "..."),
//                                  base::ProgramOptions::Words::translated());
class CommandLineLanguage {
  public:
    // program: the section of zorban.ini whose language= key counts.
    explicit CommandLineLanguage(const std::string& program);
    ~CommandLineLanguage();
    CommandLineLanguage(const CommandLineLanguage&) = delete;
    CommandLineLanguage& operator=(const CommandLineLanguage&) = delete;

  private:
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace ui::qt
