// Undo and redo of editor steps.
#include "maker/EditHistory.h"

namespace maker {

EditHistory::Step EditHistory::keep(const Design& d, bool withTexts) {
    Step s{CompactGrid(d.grid), withTexts, {}, {}};
    if (withTexts) {
        s.title = d.title;
        s.author = d.author;
    }
    return s;
}

void EditHistory::record(const Design& before, bool withTexts) {
    redo_.clear();
    undo_.push_back(keep(before, withTexts));
    while (undo_.size() > kMaxSteps) undo_.pop_front();
}

// The design as it is now becomes the step in the other direction, with the same reach.
bool EditHistory::move(std::deque<Step>& from, std::deque<Step>& to, Design& design) {
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back(keep(design, step.withTexts));
    design.grid = step.grid.expand();
    if (step.withTexts) {
        design.title = std::move(step.title);
        design.author = std::move(step.author);
    }
    return true;
}

bool EditHistory::undo(Design& design) {
    return move(undo_, redo_, design);
}

bool EditHistory::redo(Design& design) {
    return move(redo_, undo_, design);
}

std::size_t EditHistory::bytes() const {
    std::size_t n = sizeof(*this);
    for (const auto* list : {&undo_, &redo_})
        for (const Step& s : *list)
            n += sizeof(Step) + s.grid.bytes() + s.title.capacity() + s.author.capacity();
    return n;
}

}  // namespace maker
