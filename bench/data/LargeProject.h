#pragma once
// A generated project for the data library's benchmarks: per hundred tasks one resource with
// five series of every frequency, user fields on tasks and resources, notes that need escaping.
// The same fixed-seed sequence every run, so every run builds the same project.

#include "wqv2_data.h"
#include "wqv2_undo.h"

namespace bench {

// An undo store that keeps nothing: a load or a build needs no history.
class NoUndo : public wqv2_undo::CUndoManager {
public:
    void Clear() override {}
    bool PushUndo(const wqv2_undo::UndoRecord*, bool) override { return false; }
    bool PushRedo(const wqv2_undo::UndoRecord*) override { return false; }
};

constexpr int kTasksPerResource = 100;
constexpr int kSeriesPerResource = 5;

// Builds `tasks` tasks (rounded up to whole resources) into the empty project of `root`.
bool BuildProject(wqv2_data::CData* root, int tasks);

} // namespace bench
