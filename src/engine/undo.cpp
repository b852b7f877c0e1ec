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

UndoHistory::Step UndoHistory::Difference(const UndoSnapshot& a, const UndoSnapshot& b)
{
    // Runs of differing bytes, each as (gap, length) in 16 bits apiece and
    // the XOR of the two sides, so one step serves both directions.
    Step out;
    size_t i = 0, last = 0;
    while (i < UndoSnapshotSize) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        for (;;) {
            // An equal stretch shorter than a run head stays inside the run.
            size_t next = end;
            while (next < UndoSnapshotSize && next < end + 4 && a[next] == b[next]) ++next;
            if (next == UndoSnapshotSize || next == end + 4) break;
            end = next + 1;
        }
        const size_t gap = i - last, len = end - i;
        out.insert(out.end(), {uint8_t(gap), uint8_t(gap >> 8), uint8_t(len), uint8_t(len >> 8)});
        for (size_t k = i; k < end; ++k) out.push_back(a[k] ^ b[k]);
        last = i = end;
    }
    out.shrink_to_fit();
    return out;
}

void UndoHistory::Apply(const Step& step, UndoSnapshot& s)
{
    size_t at = 0, pos = 0;
    while (at + 4 <= step.size()) {
        pos += step[at] | size_t(step[at + 1]) << 8;
        const size_t len = step[at + 2] | size_t(step[at + 3]) << 8;
        at += 4;
        for (size_t k = 0; k < len && at < step.size() && pos < UndoSnapshotSize; ++k) s[pos++] ^= step[at++];
    }
}

void UndoHistory::Clear()
{
    Current_ = false;
    Back_.clear();
    Forward_.clear();
}

void UndoHistory::Push(const TableState& t)
{
    UndoSnapshot next = Whole_;
    WriteSnapshot(t, next);
    Push(next);
}

void UndoHistory::Push(const UndoSnapshot& s)
{
    Forward_.clear();
    if (Current_) Back_.push_back(Difference(Whole_, s));
    Whole_ = s;
    Current_ = true;
}

bool UndoHistory::StepBack()
{
    if (Back_.empty()) return false;
    Apply(Back_.back(), Whole_);
    Forward_.push_back(std::move(Back_.back()));
    Back_.pop_back();
    return true;
}

bool UndoHistory::StepForward()
{
    if (Forward_.empty()) return false;
    Apply(Forward_.back(), Whole_);
    Back_.push_back(std::move(Forward_.back()));
    Forward_.pop_back();
    return true;
}

std::vector<UndoSnapshot> UndoHistory::Newest(int n) const
{
    n = std::clamp(n, 0, Count());
    std::vector<UndoSnapshot> out(static_cast<size_t>(n));
    if (n == 0) return out;
    UndoSnapshot s = Whole_;
    for (int i = n - 1;; --i) {
        out[static_cast<size_t>(i)] = s;
        if (i == 0) break;
        Apply(Back_[Back_.size() - static_cast<size_t>(n - i)], s);
    }
    return out;
}

void UndoHistory::Assign(std::span<const UndoSnapshot> oldestFirst)
{
    Clear();
    for (const UndoSnapshot& s : oldestFirst) Push(s);
}

size_t UndoHistory::MemoryBytes() const
{
    size_t n = (Back_.capacity() + Forward_.capacity()) * sizeof(Step);
    for (const Step& s : Back_) n += s.capacity();
    for (const Step& s : Forward_) n += s.capacity();
    return n;
}

}  // namespace quillo
