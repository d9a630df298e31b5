#pragma once

#include "procedures/TableCopy.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace procedures {

// Undo and redo of an editor's steps. A step is whatever the tables and the
// editor's `Values` (counts and the like, copied whole; comparable) changed
// between two records, named for the tooltip, with the `View` the screen
// showed before and after it. The tables are kept as one copy of their last
// state plus, per step, only the rows the step changed.
template <class Values, class View> class EditHistory {
public:
    explicit EditHistory(TrackedTables tables) : copy_(tables) {}

    // The history begins here, empty: at opening and after a save.
    void start(const Values& values) {
        steps_.clear();
        done_ = 0;
        values_ = values;
        copy_.take();
    }
    // No history at all (the editor closed); frees the copy.
    void end() {
        steps_ = {};
        done_ = 0;
        copy_.release();
    }
    bool started() const { return copy_.taken(); }

    // Records what changed since the last step as one step; false, with
    // nothing recorded, when nothing did. Steps undone are dropped.
    bool record(std::string name, const Values& values, const View& before, const View& after) {
        if (!started())
            return false;
        TableChanges changes = copy_.changes();
        if (changes.empty() && values == values_)
            return false;
        steps_.resize(done_);
        steps_.push_back({std::move(name), std::move(changes), values_, values, before, after});
        ++done_;
        values_ = values;
        return true;
    }

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    const std::string& undoName() const { return steps_[done_ - 1].name; }
    const std::string& redoName() const { return steps_[done_].name; }
    std::size_t size() const { return steps_.size(); }

    // What the screen shows again with the tables after an undo or redo.
    struct Shown {
        const Values& values;
        const View& view;
    };
    // The tables go back to before the last step done. Only when canUndo().
    Shown undo() {
        Step& step = steps_[--done_];
        copy_.swap(step.changes);
        values_ = step.valuesBefore;
        return {step.valuesBefore, step.viewBefore};
    }
    // The tables take the first step undone again. Only when canRedo().
    Shown redo() {
        Step& step = steps_[done_++];
        copy_.swap(step.changes);
        values_ = step.valuesAfter;
        return {step.valuesAfter, step.viewAfter};
    }

    // The tables hold nothing the history has not recorded.
    bool recorded() const { return copy_.current(); }

private:
    struct Step {
        std::string name;
        TableChanges changes;
        Values valuesBefore;
        Values valuesAfter;
        View viewBefore;
        View viewAfter;
    };
    TableCopy copy_;
    std::vector<Step> steps_;
    std::size_t done_ = 0;
    Values values_{};
};

} // namespace procedures
