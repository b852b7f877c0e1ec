#include "table_json.h"

#include <algorithm>

#include "engine/records.h"

namespace quillo {

namespace {

// Writes every named field of a record as a JSON member; padding is skipped.
struct JsonFields {
    JsonWriter& J;
    void I32(const char* n, int32_t v) { J.Key(n).Int(v); }
    void U32(const char* n, uint32_t v) { J.Key(n).Int(v); }
    void F64(const char* n, double v) { J.Key(n).Double(v); }
    void Flag(const char* n, bool v) { J.Key(n).Bool(v); }
    void Code(const char* n, uint8_t v) { J.Key(n).Int(v); }
    void Pad(size_t) {}
    void CardSizes(const char* n, const CardSizeTable& t)
    {
        J.Key(n);
        J.BeginArray();
        for (const CardSize& s : t) WriteCardSizeJson(J, s);
        J.EndArray();
    }
};

}  // namespace

void WriteCardSizeJson(JsonWriter& j, const CardSize& s)
{
    j.BeginObject();
    j.Key("Width").Int(s.Width);
    j.Key("Height").Int(s.Height);
    j.Key("HorzStep");
    j.BeginArray();
    j.Int(s.HorzStep.X);
    j.Int(s.HorzStep.Y);
    j.EndArray();
    j.Key("VertStep");
    j.BeginArray();
    j.Int(s.VertStep.X);
    j.Int(s.VertStep.Y);
    j.EndArray();
    j.EndObject();
}

void WriteGameRulesJson(JsonWriter& j, const GameRules& r)
{
    JsonFields f{j};
    j.BeginObject();
    VisitGameRules(r, f);
    j.EndObject();
}

void WritePileJson(JsonWriter& j, const Pile& p)
{
    JsonFields f{j};
    j.BeginObject();
    VisitPile(p, f);
    j.EndObject();
}

void WriteCardJson(JsonWriter& j, const Card& c)
{
    JsonFields f{j};
    j.BeginObject();
    VisitCard(c, f);
    j.EndObject();
}

void WriteTableMembers(JsonWriter& j, const TableState& t, const TableTexts& texts)
{
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    const int cards = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    j.Key("GameRules");
    WriteGameRulesJson(j, t.Rules);
    j.Key("Piles");
    j.BeginArray();
    for (int p = 0; p < piles; ++p) WritePileJson(j, t.PileAt(p));
    j.EndArray();
    j.Key("Cards");
    j.BeginArray();
    for (int c = 0; c < cards; ++c) WriteCardJson(j, t.CardAt(c));
    j.EndArray();
    j.Key("DealOrder");
    j.BeginArray();
    for (int k = 0; k < cards; ++k) j.Int(t.DealOrder[static_cast<size_t>(k)].CardIndex);
    j.EndArray();
    j.Key("GameName").Str(t.GameName);
    j.Key("HelpTopic").Str(t.HelpTopic);
    j.Key("Caption").Str(texts.Caption);
    j.Key("StartRankLabel");
    if (texts.StartRankLabel)
        j.Str(*texts.StartRankLabel);
    else
        j.Null();
}

}  // namespace quillo
