#pragma once
// Byte layouts of the stored records. Each record's fields are listed once,
// in file order, by a Visit function; the encoder, the decoder and the JSON
// dumps of quillo-tool all walk that one list.
//
// A visitor offers I32, U32, F64, Flag (one byte 0/1), Code (one byte),
// Pad(n) for bytes without meaning and CardSizes for the eight size records.

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "core/bytes.h"
#include "card.h"
#include "game_rules.h"

namespace quillo {

constexpr size_t CardRecordSize = 40;
constexpr size_t PileRecordSize = 56;
constexpr size_t GameRulesRecordSize = 456;
constexpr size_t CardSizeRecordSize = 32;

template <class C, class V>
void VisitCard(C& c, V& v)
{
    v.I32("Suit", c.Suit);
    v.I32("Rank", c.Rank);
    v.Flag("FaceUp", c.FaceUp);
    v.Pad(3);
    v.I32("X", c.X);
    v.I32("Y", c.Y);
    v.I32("Order", c.Order);
    v.Flag("InPlay", c.InPlay);
    v.Pad(3);
    v.I32("PileIndex", c.PileIndex);
    v.Flag("Moving", c.Moving);
    v.Pad(3);
    v.I32("Orientation", c.Orientation);
}

template <class P, class V>
void VisitPile(P& p, V& v)
{
    v.I32("X", p.X);
    v.I32("Y", p.Y);
    v.I32("Layer", p.Layer);
    v.I32("Kind", p.Kind);
    v.I32("Count", p.Count);
    v.Code("FanDir", p.FanDir);
    v.Pad(3);
    v.I32("Orientation", p.Orientation);
    v.I32("FanX", p.FanX);
    v.I32("FanY", p.FanY);
    v.I32("DownFanX", p.DownFanX);
    v.I32("DownFanY", p.DownFanY);
    v.Pad(1);
    v.Code("ConsVal", p.ConsVal);
    v.Code("ConsSuit", p.ConsSuit);
    v.Pad(1);
    v.I32("BaseRank", p.BaseRank);
    v.I32("BaseColor", p.BaseColor);
}

template <class R, class V>
void VisitGameRules(R& r, V& v)
{
    v.I32("FieldWidth", r.FieldWidth);
    v.I32("FieldHeight", r.FieldHeight);
    v.I32("MinFieldWidth", r.MinFieldWidth);
    v.I32("MinFieldHeight", r.MinFieldHeight);
    v.F64("ScaleX", r.ScaleX);
    v.F64("ScaleY", r.ScaleY);
    v.I32("BackIndex", r.BackIndex);
    v.I32("StartRank", r.StartRank);
    v.Flag("StartRankFromDeal", r.StartRankFromDeal);
    v.Pad(3);
    v.I32("PickX", r.PickX);
    v.I32("PickY", r.PickY);
    v.I32("BackCount", r.BackCount);
    v.I32("TotalCards", r.TotalCards);
    v.I32("Decks", r.Decks);
    v.I32("StockPile", r.StockPile);
    v.I32("FoundFirst", r.FoundFirst);
    v.I32("FoundLast", r.FoundLast);
    v.I32("WasteFirst", r.WasteFirst);
    v.I32("WasteLast", r.WasteLast);
    v.I32("TableFirst", r.TableFirst);
    v.I32("TableLast", r.TableLast);
    v.I32("ReserveFirst", r.ReserveFirst);
    v.I32("ReserveLast", r.ReserveLast);
    v.I32("Reserve2First", r.Reserve2First);
    v.I32("Reserve2Last", r.Reserve2Last);
    v.I32("PileCount", r.PileCount);
    v.I32("FaceDownFan", r.FaceDownFan);
    v.F64("StartTime", r.StartTime);
    v.F64("NowTime", r.NowTime);
    v.I32("StockPass", r.StockPass);
    v.I32("StockRedeals", r.StockRedeals);
    v.I32("TableRedealsUsed", r.TableRedealsUsed);
    v.I32("TableRedeals", r.TableRedeals);
    v.I32("GetDeckCardNum", r.GetDeckCardNum);
    v.CardSizes("CardSizes", r.CardSizes);
    v.I32("ActiveWastes", r.ActiveWastes);
    v.Flag("AutoplayAllowed", r.AutoplayAllowed);
    v.Code("TableConsVal", r.TableConsVal);
    v.Code("TableConsSuit", r.TableConsSuit);
    v.Code("FoundConsVal", r.FoundConsVal);
    v.Code("FoundConsSuit", r.FoundConsSuit);
    v.Pad(3);
    v.I32("FillFreeTable", r.FillFreeTable);
    v.I32("FillRank", r.FillRank);
    v.Flag("DealToTableau", r.DealToTableau);
    v.Code("MoveUnit", r.MoveUnit);
    v.Code("StockClickMode", r.StockClickMode);
    v.Flag("FullFoundations", r.FullFoundations);
    v.I32("TableBuildFrom", r.TableBuildFrom);
    v.Flag("FreeCells", r.FreeCells);
    v.Flag("EmptyPileClicks", r.EmptyPileClicks);
    v.Flag("EditTableConsVal", r.EditTableConsVal);
    v.Flag("EditTableConsSuit", r.EditTableConsSuit);
    v.Flag("EditFoundConsVal", r.EditFoundConsVal);
    v.Flag("EditFoundConsSuit", r.EditFoundConsSuit);
    v.Flag("EditMoveUnit", r.EditMoveUnit);
    v.Flag("EditFillFreeTable", r.EditFillFreeTable);
    v.Flag("EditStockRedeals", r.EditStockRedeals);
    v.Flag("EditTableRedeals", r.EditTableRedeals);
    v.Flag("EditGetDeckCardNum", r.EditGetDeckCardNum);
    v.Pad(1);
    v.U32("GameNumber", r.GameNumber);
    v.Pad(1);
    v.Flag("FoundTakeCards", r.FoundTakeCards);
    v.Flag("EditFoundTakeCards", r.EditFoundTakeCards);
    v.Pad(1);
}

// One 32-byte size record: width, height, both steps, two unused values.
template <class Writer>
void EncodeCardSize(const CardSize& s, Writer& w)
{
    for (int32_t v : {s.Width, s.Height, s.HorzStep.X, s.HorzStep.Y, s.VertStep.X, s.VertStep.Y, s.Unused[0],
                      s.Unused[1]})
        w.PutI32(v);
}

// Writes fields to a ByteWriter or SpanWriter; padding becomes zero bytes.
template <class Writer>
struct FieldEncoder {
    Writer& W;
    void I32(const char*, int32_t v) { W.PutI32(v); }
    void U32(const char*, uint32_t v) { W.PutU32(v); }
    void F64(const char*, double v) { W.PutF64(v); }
    void Flag(const char*, bool v) { W.PutFlag(v); }
    void Code(const char*, uint8_t v) { W.PutU8(v); }
    void Pad(size_t n) { W.PutZeros(n); }
    void CardSizes(const char*, const CardSizeTable& t)
    {
        for (const CardSize& s : t) EncodeCardSize(s, W);
    }
};

// Writes fields straight into memory the caller has sized, keeping its place
// in a register: the undo snapshot path, where SpanWriter's checks and its
// place held in memory cost more than the bytes themselves.
struct RawFieldEncoder {
    uint8_t* P;
    void I32(const char*, int32_t v) { U32(nullptr, static_cast<uint32_t>(v)); }
    void U32(const char*, uint32_t v)
    {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(P, &v, 4);
        } else {
            for (int i = 0; i < 4; ++i) P[i] = static_cast<uint8_t>(v >> (8 * i));
        }
        P += 4;
    }
    void Flag(const char*, bool v) { *P++ = v ? 1 : 0; }
    void Code(const char*, uint8_t v) { *P++ = v; }
    void Pad(size_t n)
    {
        std::memset(P, 0, n);
        P += n;
    }
};

// Reads fields from a ByteReader; a short input leaves the reader failed.
struct FieldDecoder {
    ByteReader& R;
    void I32(const char*, int32_t& v) { v = R.GetI32(); }
    void U32(const char*, uint32_t& v) { v = R.GetU32(); }
    void F64(const char*, double& v) { v = R.GetF64(); }
    void Flag(const char*, bool& v) { v = R.GetFlag(); }
    void Code(const char*, uint8_t& v) { v = R.GetU8(); }
    void Pad(size_t n) { R.Skip(n); }
    void CardSizes(const char*, CardSizeTable& t)
    {
        for (CardSize& s : t) {
            s.Width = R.GetI32();
            s.Height = R.GetI32();
            s.HorzStep.X = R.GetI32();
            s.HorzStep.Y = R.GetI32();
            s.VertStep.X = R.GetI32();
            s.VertStep.Y = R.GetI32();
            s.Unused[0] = R.GetI32();
            s.Unused[1] = R.GetI32();
        }
    }
};

template <class Writer = ByteWriter>
inline void EncodeCard(const Card& c, Writer& w)
{
    FieldEncoder<Writer> e{w};
    VisitCard(c, e);
}
template <class Writer = ByteWriter>
inline void EncodePile(const Pile& p, Writer& w)
{
    FieldEncoder<Writer> e{w};
    VisitPile(p, e);
}
template <class Writer = ByteWriter>
inline void EncodeGameRules(const GameRules& r, Writer& w)
{
    FieldEncoder<Writer> e{w};
    VisitGameRules(r, e);
}
inline void DecodeCard(ByteReader& r, Card& c)
{
    FieldDecoder d{r};
    VisitCard(c, d);
}
inline void DecodePile(ByteReader& r, Pile& p)
{
    FieldDecoder d{r};
    VisitPile(p, d);
}
inline void DecodeGameRules(ByteReader& r, GameRules& g)
{
    FieldDecoder d{r};
    VisitGameRules(g, d);
}

}  // namespace quillo
