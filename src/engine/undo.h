#pragma once
// Undo history of the current deal. A snapshot holds the table in its byte
// layout (cards, piles, the two redeal counters); saved games write the
// newest twenty of them. In memory the history reaches back to the deal:
// the current snapshot is kept whole and every step as the run-length coded
// difference between two neighbours, so a long game stays small. Undone
// steps wait for Redo until a new snapshot is recorded.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "table_state.h"

namespace quillo {

// Snapshots a saved game holds at most.
constexpr int UndoSlots = 20;
constexpr size_t UndoSnapshotSize = 7080;
constexpr size_t SnapshotPilesOffset = 4160;
constexpr size_t SnapshotStockPassOffset = 7072;
constexpr size_t SnapshotTableRedealsOffset = 7076;

using UndoSnapshot = std::array<uint8_t, UndoSnapshotSize>;

// Writes the table into a snapshot. Only the first TotalCards cards and
// PileCount piles are written; the rest of the slot keeps what it held.
void WriteSnapshot(const TableState& t, UndoSnapshot& s);
// Puts a snapshot back on the table (cards, piles and both counters).
void ReadSnapshot(const UndoSnapshot& s, TableState& t);

class UndoHistory {
public:
    // Snapshots from the oldest kept up to the current one; 0 before a deal.
    int Count() const { return Current_ ? static_cast<int>(Back_.size()) + 1 : 0; }
    // Undone snapshots that Redo can bring back.
    int RedoCount() const { return static_cast<int>(Forward_.size()); }
    bool CanUndo() const { return Count() >= 2; }
    bool CanRedo() const { return !Forward_.empty(); }

    void Clear();
    // Records the table as the new current snapshot; forgets what Redo held.
    void Push(const TableState& t);
    void Push(const UndoSnapshot& s);
    // Moves one step back or forward; false when there is none.
    bool StepBack();
    bool StepForward();
    // The current snapshot; only valid while Count() >= 1.
    const UndoSnapshot& Current() const { return Whole_; }

    // The newest n snapshots up to the current one, oldest first.
    std::vector<UndoSnapshot> Newest(int n) const;
    // Replaces the history by these snapshots, oldest first; the last is current.
    void Assign(std::span<const UndoSnapshot> oldestFirst);
    // Changes every snapshot, undone ones included, through edit(snapshot).
    template <typename Edit>
    void EditAll(Edit edit);

    // Heap bytes the history holds, for the memory benchmark.
    size_t MemoryBytes() const;

    bool operator==(const UndoHistory& other) const = default;

private:
    using Step = std::vector<uint8_t>;
    static Step Difference(const UndoSnapshot& a, const UndoSnapshot& b);
    static void Apply(const Step& step, UndoSnapshot& s);

    UndoSnapshot Whole_{};
    bool Current_ = false;
    std::vector<Step> Back_;     // Back_.back() leads from the current snapshot to the one before
    std::vector<Step> Forward_;  // Forward_.back() leads to the next snapshot Redo restores
};

template <typename Edit>
void UndoHistory::EditAll(Edit edit)
{
    if (!Current_) return;
    const int forward = RedoCount();
    while (StepForward()) {
    }
    std::vector<UndoSnapshot> all = Newest(Count());
    for (UndoSnapshot& s : all) edit(s);
    Assign(all);
    for (int i = 0; i < forward; ++i) StepBack();
}

}  // namespace quillo
