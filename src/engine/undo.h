#pragma once
// Undo history: up to 20 snapshots of the table, each stored in its byte
// layout (cards, piles, the two redeal counters) so that a saved game can
// write the history as it stands.

#include <array>
#include <cstdint>

#include "table_state.h"

namespace quillo {

constexpr int UndoSlots = 20;
constexpr size_t UndoSnapshotSize = 7080;
constexpr size_t SnapshotPilesOffset = 4160;
constexpr size_t SnapshotStockPassOffset = 7072;
constexpr size_t SnapshotTableRedealsOffset = 7076;

using UndoSnapshot = std::array<uint8_t, UndoSnapshotSize>;

// The twenty slots in slot order, oldest first. Dropping the oldest moves
// where the order starts instead of moving 130 kilobytes down one place; the
// storage of the dropped slot becomes the last slot, bytes and all, as if the
// slots had moved.
class SnapshotSlots {
public:
    UndoSnapshot& operator[](size_t i) { return Data_[(Start_ + i) % UndoSlots]; }
    const UndoSnapshot& operator[](size_t i) const { return Data_[(Start_ + i) % UndoSlots]; }
    static constexpr size_t size() { return UndoSlots; }
    void DropOldest() { Start_ = (Start_ + 1) % UndoSlots; }
    bool operator==(const SnapshotSlots& other) const
    {
        for (size_t i = 0; i < UndoSlots; ++i)
            if ((*this)[i] != other[i]) return false;
        return true;
    }

private:
    std::array<UndoSnapshot, UndoSlots> Data_{};
    size_t Start_ = 0;
};

struct UndoHistory {
    SnapshotSlots Slots;
    int Count = 0;
};

// Writes the table into a snapshot. Only the first TotalCards cards and
// PileCount piles are written; the rest of the slot keeps what it held.
void WriteSnapshot(const TableState& t, UndoSnapshot& s);
// Puts a snapshot back on the table (cards, piles and both counters).
void ReadSnapshot(const UndoSnapshot& s, TableState& t);
// Appends a snapshot; a full history drops its oldest one.
void PushSnapshot(UndoHistory& h, const TableState& t);

}  // namespace quillo
