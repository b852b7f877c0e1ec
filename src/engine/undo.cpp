#include "undo.h"

#include <algorithm>

#include "records.h"

namespace quillo {

static_assert(MaxCards * CardRecordSize <= SnapshotPilesOffset);
static_assert(SnapshotPilesOffset + MaxPiles * PileRecordSize <= SnapshotStockPassOffset);
static_assert(SnapshotTableRedealsOffset + 4 == UndoSnapshotSize);

void WriteSnapshot(const TableState& t, UndoSnapshot& s)
{
    // The counts are clamped, so the asserts above keep every write in the slot.
    RawFieldEncoder e{s.data()};
    const int cards = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < cards; ++i) VisitCard(t.CardAt(i), e);
    e.P = s.data() + SnapshotPilesOffset;
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    for (int i = 0; i < piles; ++i) VisitPile(t.PileAt(i), e);
    e.P = s.data() + SnapshotStockPassOffset;
    e.I32("StockPass", t.Rules.StockPass);
    e.I32("TableRedealsUsed", t.Rules.TableRedealsUsed);
}

void ReadSnapshot(const UndoSnapshot& s, TableState& t)
{
    ByteReader r(s);
    const int cards = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < cards; ++i) {
        DecodeCard(r, t.CardAt(i));
        // A position taken back is at rest; a stray flag from a file would
        // carry a card along with the next move.
        t.CardAt(i).Moving = false;
    }
    ByteReader rp(std::span<const uint8_t>(s).subspan(SnapshotPilesOffset));
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    for (int i = 0; i < piles; ++i) DecodePile(rp, t.PileAt(i));
    ByteReader rc(std::span<const uint8_t>(s).subspan(SnapshotStockPassOffset));
    t.Rules.StockPass = rc.GetI32();
    t.Rules.TableRedealsUsed = rc.GetI32();
}

void PushSnapshot(UndoHistory& h, const TableState& t)
{
    if (h.Count == UndoSlots) {
        h.Slots.DropOldest();
        h.Count = UndoSlots - 1;
    }
    WriteSnapshot(t, h.Slots[static_cast<size_t>(h.Count)]);
    ++h.Count;
}

}  // namespace quillo
