#include "journal/journal.h"

#include <utility>

namespace calorix::journal {

void Journal::Record(Step step) {
    steps_.resize(done_);
    steps_.push_back(std::move(step));
    done_ = steps_.size();
}

bool Journal::Undo() {
    if (!CanUndo()) return false;
    --done_;
    return true;
}

bool Journal::Redo() {
    if (!CanRedo()) return false;
    ++done_;
    return true;
}

std::vector<Step> Journal::DoneSteps() const {
    return std::vector<Step>(steps_.begin(), steps_.begin() + std::ptrdiff_t(done_));
}

}  // namespace calorix::journal
