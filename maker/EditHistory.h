// The editor's undo and redo lists: one step per paint stroke, load, clear, flip or shift, at most
// kMaxSteps kept, each grid stored compactly.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "maker/CompactGrid.h"
#include "maker/Design.h"

namespace maker {

class EditHistory {
  public:
    static constexpr std::size_t kMaxSteps = 100;  // undo and redo together; the oldest step goes first

    // A step was just made; before is the design it changed. withTexts: it changed the title and author
    // too (a load), so undoing it gives them back; other steps leave the typed texts alone.
    // A new step ends what could be redone.
    void record(const Design& before, bool withTexts);
    // Moves the design one step back or forward; false (and nothing changed) when there is none.
    bool undo(Design& design);
    bool redo(Design& design);

    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }
    // Bytes the steps hold, lists included.
    std::size_t bytes() const;

  private:
    struct Step {
        CompactGrid grid;
        bool withTexts = false;
        std::string title, author;  // kept only withTexts
    };
    static Step keep(const Design& d, bool withTexts);
    static bool move(std::deque<Step>& from, std::deque<Step>& to, Design& design);

    std::deque<Step> undo_, redo_;
};

}  // namespace maker
