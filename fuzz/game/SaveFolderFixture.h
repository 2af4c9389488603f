// A game folder on the memory file system for the save-file fuzzers: dat/ with an empty toy catalogue, and a
// headless platform whose windows read and write there. One per process, removed at exit.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/TForm1.h"
#include "ui/core/HeadlessPlatform.h"

namespace fuzzgame {

class SaveFolderFixture {
  public:
    SaveFolderFixture();
    ~SaveFolderFixture();

    // The fixture of this process.
    static SaveFolderFixture& instance();

    // A fresh window, as after start-up but without its creation handler: nothing read yet.
    std::unique_ptr<game::TForm1> window() { return std::make_unique<game::TForm1>(platform_->services()); }

    // The messages the windows showed, among others.
    ui::ScriptedDialogs& dialogs() { return platform_->dialogs; }

    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    void remove(const std::string& relative) const;
    // The bytes of the files that the game moved aside from dat/<name> (every "<name>.unreadable-*"), which
    // are removed: one entry per file.
    std::vector<std::string> takeAside(const std::string& name) const;
    std::string path(const std::string& relative) const { return root_ + relative; }

  private:
    std::string root_;  // with its trailing '/'
    std::unique_ptr<ui::HeadlessPlatform> platform_;
};

}  // namespace fuzzgame
