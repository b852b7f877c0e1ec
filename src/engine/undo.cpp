#include "undo.h"

#include <algorithm>

#include "records.h"

namespace quillo {

void WriteSnapshot(const TableState& t, UndoSnapshot& s)
{
    SpanWriter w(s);
    const int cards = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < cards; ++i) EncodeCard(t.CardAt(i), w);
    w.Seek(SnapshotPilesOffset);
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    for (int i = 0; i < piles; ++i) EncodePile(t.PileAt(i), w);
    w.Seek(SnapshotStockPassOffset);
    w.PutI32(t.Rules.StockPass);
    w.PutI32(t.Rules.TableRedealsUsed);
}

void ReadSnapshot(const UndoSnapshot& s, TableState& t)
{
    ByteReader r(s);
    const int cards = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < cards; ++i) DecodeCard(r, t.CardAt(i));
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
