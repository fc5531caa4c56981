#pragma once

#include <cstddef>
#include <vector>

#include "journal/journal_step.h"

namespace calorix::journal {

// The steps of one chart in the order they were taken, and how many of them
// are done: the others were undone and wait to be redone. A new step ends
// what could be redone. No bound but memory.
class Journal {
  public:
    // A new step, after the done ones; the undone ones are gone.
    void Record(Step step);
    // One step fewer done; false when none is.
    bool Undo();
    // The first undone step done again; false when there is none.
    bool Redo();

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The step Undo would take back, and the one Redo would repeat.
    const Step& UndoStep() const { return steps_[done_ - 1]; }
    const Step& RedoStep() const { return steps_[done_]; }

    // Every step kept, done or undone, and how many are done.
    const std::vector<Step>& Steps() const { return steps_; }
    std::size_t DoneCount() const { return done_; }
    // The done steps alone.
    std::vector<Step> DoneSteps() const;

  private:
    std::vector<Step> steps_;
    std::size_t done_ = 0;
};

}  // namespace calorix::journal
