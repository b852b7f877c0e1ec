#pragma once
// Many tables of one deal kept small: each as the words in which it differs
// from the first, for the solver's expanded positions. A table of the deal
// costs 9 KB whole; a few hundred words of changes describe one.

#include "table_state.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace quillo {

class TableSnapshots {
public:
    // Forgets every table kept; later ones are told against base.
    void Reset(const TableState& base)
    {
        Base_ = base;
        Blocks_.clear();
        Spans_.clear();
        Plays_.clear();
    }

    // Keeps t; returns its number.
    int Add(const TableState& t)
    {
        // Room for the most a table can differ by, so the block never moves.
        if (Blocks_.empty() || Blocks_.back().capacity() - Blocks_.back().size() < MostWords) {
            Blocks_.emplace_back();
            Blocks_.back().reserve(BlockWords);
        }
        std::vector<uint32_t>& words = Blocks_.back();
        const size_t begin = words.size();
        uint32_t offset = 0;
        ForEachRegion(t, Base_, [&](const uint32_t* now, const uint32_t* base, uint32_t count) {
            for (uint32_t k = 0; k < count; ++k) {
                if (now[k] == base[k]) continue;
                words.push_back(offset + k);
                words.push_back(now[k]);
            }
            offset += count;
        });
        Spans_.push_back({ static_cast<uint32_t>(Blocks_.size() - 1), static_cast<uint32_t>(begin),
            static_cast<uint32_t>(words.size()) });
        Plays_.push_back(PlayFields::Of(t));
        return static_cast<int>(Spans_.size()) - 1;
    }

    // Writes table number i into out.
    void Get(int i, TableState& out) const
    {
        const auto at = static_cast<size_t>(i);
        const Span& span = Spans_[at];
        const std::vector<uint32_t>& words = Blocks_[span.Block];
        out = Base_;
        std::array<uint32_t*, Regions + 1> regions{};
        std::array<uint32_t, Regions + 1> firsts{};
        size_t n = 0;
        uint32_t offset = 0;
        ForEachRegion(out, Base_, [&](const uint32_t* now, const uint32_t*, uint32_t words) {
            regions[n] = const_cast<uint32_t*>(now);
            firsts[n++] = offset;
            offset += words;
        });
        firsts[n] = offset;
        size_t region = 0;
        for (size_t k = span.Begin; k < span.End; k += 2) {
            const uint32_t word = words[k];
            while (firsts[region + 1] <= word)
                ++region;
            regions[region][word - firsts[region]] = words[k + 1];
        }
        Plays_[at].Into(out);
    }

private:
    static constexpr size_t Regions = 6;
    // Changes are kept in blocks that never grow past what they reserved: a
    // full one is left where it is and the next begun, so keeping a table
    // never copies the ones before it (a doubling vector stalled the search
    // for tens of milliseconds at a time).
    static constexpr size_t MostWords = 2
        * (sizeof(TableState::Cards) + sizeof(TableState::Piles) + sizeof(TableState::Rules)
            + sizeof(TableState::ChosenRules) + sizeof(TableState::DealOrder) + sizeof(TableState::PileOrder))
        / sizeof(uint32_t);
    static constexpr size_t BlockWords = MostWords * 64;
    struct Span {
        uint32_t Block, Begin, End;
    };

    // The table's fields outside the card, pile and rule arrays.
    struct PlayFields {
        int ActiveCard, DropPile, PickedCount, MarkedCard, HoverPile;
        int32_t HomeGripX, HomeGripY, GripX, GripY, BaseWidth, BaseHeight;
        uint32_t RandSeed;
        bool Dragging, PreviewMode, LayoutReady, PlayedPending;
        Options Opt;
        static PlayFields Of(const TableState& t)
        {
            return { t.ActiveCard, t.DropPile, t.PickedCount, t.MarkedCard, t.HoverPile, t.HomeGripX, t.HomeGripY,
                t.GripX, t.GripY, t.BaseWidth, t.BaseHeight, t.RandSeed, t.Dragging, t.PreviewMode, t.LayoutReady,
                t.PlayedPending, t.Opt };
        }
        void Into(TableState& t) const
        {
            t.ActiveCard = ActiveCard;
            t.DropPile = DropPile;
            t.PickedCount = PickedCount;
            t.MarkedCard = MarkedCard;
            t.HoverPile = HoverPile;
            t.HomeGripX = HomeGripX;
            t.HomeGripY = HomeGripY;
            t.GripX = GripX;
            t.GripY = GripY;
            t.BaseWidth = BaseWidth;
            t.BaseHeight = BaseHeight;
            t.RandSeed = RandSeed;
            t.Dragging = Dragging;
            t.PreviewMode = PreviewMode;
            t.LayoutReady = LayoutReady;
            t.PlayedPending = PlayedPending;
            t.Opt = Opt;
        }
    };

    // Calls f with every array of plain words in t and base, in one order.
    template <class F> static void ForEachRegion(const TableState& t, const TableState& base, F&& f)
    {
        region(t.Cards, base.Cards, f);
        region(t.Piles, base.Piles, f);
        region(t.Rules, base.Rules, f);
        region(t.ChosenRules, base.ChosenRules, f);
        region(t.DealOrder, base.DealOrder, f);
        region(t.PileOrder, base.PileOrder, f);
    }
    template <class T, class F> static void region(const T& now, const T& base, F& f)
    {
        static_assert(std::is_trivially_copyable_v<T> && sizeof(T) % sizeof(uint32_t) == 0);
        f(reinterpret_cast<const uint32_t*>(&now), reinterpret_cast<const uint32_t*>(&base),
            static_cast<uint32_t>(sizeof(T) / sizeof(uint32_t)));
    }

    TableState Base_;
    std::vector<std::vector<uint32_t>> Blocks_; // pairs: word number, value
    std::vector<Span> Spans_;
    std::vector<PlayFields> Plays_;
};

} // namespace quillo
