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
        Words_.clear();
        Starts_.clear();
    }

    // Keeps t; returns its number.
    int Add(const TableState& t)
    {
        Starts_.push_back(Words_.size());
        uint32_t offset = 0;
        ForEachRegion(t, Base_, [&](const uint32_t* now, const uint32_t* base, uint32_t words) {
            for (uint32_t k = 0; k < words; ++k) {
                if (now[k] == base[k]) continue;
                Words_.push_back(offset + k);
                Words_.push_back(now[k]);
            }
            offset += words;
        });
        Plays_.resize(Starts_.size());
        Plays_.back() = PlayFields::Of(t);
        return static_cast<int>(Starts_.size()) - 1;
    }

    // Writes table number i into out.
    void Get(int i, TableState& out) const
    {
        const auto at = static_cast<size_t>(i);
        const size_t end = at + 1 < Starts_.size() ? Starts_[at + 1] : Words_.size();
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
        for (size_t k = Starts_[at]; k < end; k += 2) {
            const uint32_t word = Words_[k];
            while (firsts[region + 1] <= word)
                ++region;
            regions[region][word - firsts[region]] = Words_[k + 1];
        }
        Plays_[at].Into(out);
    }

private:
    static constexpr size_t Regions = 6;

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
    std::vector<uint32_t> Words_; // pairs: word number, value
    std::vector<size_t> Starts_;
    std::vector<PlayFields> Plays_;
};

} // namespace quillo
