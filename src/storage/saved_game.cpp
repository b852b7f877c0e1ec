#include "saved_game.h"

#include <algorithm>

#include "engine/catalogue.h"
#include "engine/labels.h"
#include "engine/records.h"
#include "file_head.h"
#include "table_check.h"

namespace quillo {

namespace {

constexpr const char* Title = "SAVEGAME";
constexpr const char* Version = "1.2";

SavedGameRead Damaged(std::string why)
{
    SavedGameRead out;
    out.Outcome = SavedGameOutcome::Damaged;
    out.Message = "The saved game file is damaged: " + why + ".";
    return out;
}

std::optional<std::string> CheckSavedGame(const SavedGame& s)
{
    if (s.CurrentGame < 0 || s.CurrentGame >= CatalogueSize) return "unknown game";
    if (s.CurrentCustom < -1) return "bad custom game key";
    if (auto bad = CheckRules(s.Rules)) return bad;
    if (auto bad = CheckRules(s.ChosenRules)) return bad;
    const int places = PlacesPileOf(s.CurrentGame, s.Rules);
    if (auto bad = CheckTable(s.Rules, s.Cards, s.Piles, places)) return bad;
    for (size_t i = 0; i < s.Undo.size(); ++i)
        if (auto bad = CheckSnapshot(s.Rules, s.Undo[i], places))
            return "undo step " + std::to_string(i + 1) + ": " + *bad;
    return std::nullopt;
}

}  // namespace

SavedGame CaptureSavedGame(const Game& g, const std::string& caption, const std::string& foundValLabel)
{
    const TableState& t = g.T;
    SavedGame s;
    s.CurrentGame = t.CurrentGame;
    s.CurrentCustom = t.CurrentCustom;
    s.Rules = t.Rules;
    s.ChosenRules = t.ChosenRules;
    s.GameName = t.GameName;
    s.HelpTopic = t.HelpTopic;
    s.Cards = t.Cards;
    s.Piles = t.Piles;
    s.UndoEnabled = g.UndoEnabled;
    s.Undo = g.Undo.Newest(UndoSlots);
    s.Caption = caption;
    s.FoundValLabel = foundValLabel;
    return s;
}

SavedGame CaptureSavedGame(const Game& g)
{
    return CaptureSavedGame(g, DealCaption(g.T), StartRankLabelText(g.T).value_or(std::string()));
}

std::string ProposedSaveName(const TableState& t)
{
    return t.GameName + " [" + std::to_string(t.Rules.GameNumber) + "]";
}

std::vector<uint8_t> EncodeSavedGame(const SavedGame& s)
{
    ByteWriter w;
    WriteHead(w, Title, 10, Version);
    w.PutI32(s.CurrentGame);
    w.PutI32(s.CurrentCustom);
    EncodeGameRules(s.Rules, w);
    EncodeGameRules(s.ChosenRules, w);
    PutText(w, s.GameName);
    PutText(w, s.HelpTopic);
    for (const Card& c : s.Cards) EncodeCard(c, w);
    for (const Pile& p : s.Piles) EncodePile(p, w);
    w.PutFlag(s.UndoEnabled);
    // Only the newest steps fit the file.
    const size_t n = std::min(s.Undo.size(), size_t{UndoSlots});
    w.PutI32(static_cast<int32_t>(n));
    for (size_t i = s.Undo.size() - n; i < s.Undo.size(); ++i) w.PutBytes(s.Undo[i]);
    PutText(w, s.Caption);
    PutText(w, s.FoundValLabel);
    return w.Take();
}

SavedGameRead DecodeSavedGame(std::span<const uint8_t> bytes)
{
    ByteReader r(bytes);
    if (ReadHeadField(r, 10) != Title || !r.Ok()) {
        SavedGameRead out;
        out.Outcome = SavedGameOutcome::NotASavedGame;
        return out;
    }
    const std::string version = ReadHeadField(r, 10);
    if (!r.Ok()) return Damaged("it ends early");
    if (version != Version) {
        SavedGameRead out;
        out.Outcome = SavedGameOutcome::Outdated;
        out.Message = OutdatedSaveMessage;
        return out;
    }

    SavedGameRead out;
    SavedGame& s = out.Game;
    s.CurrentGame = r.GetI32();
    s.CurrentCustom = r.GetI32();
    DecodeGameRules(r, s.Rules);
    DecodeGameRules(r, s.ChosenRules);
    s.GameName = r.GetCountedText();
    s.HelpTopic = r.GetCountedText();
    for (Card& c : s.Cards) DecodeCard(r, c);
    for (Pile& p : s.Piles) DecodePile(r, p);
    s.UndoEnabled = r.GetFlag();
    const int32_t n = r.GetI32();
    if (!r.Ok()) return Damaged("it ends early");
    if (n < 0 || n > UndoSlots) return Damaged("bad number of undo steps");
    s.Undo.resize(static_cast<size_t>(n));
    for (UndoSnapshot& snapshot : s.Undo) {
        auto b = r.GetBytes(UndoSnapshotSize);
        if (!r.Ok()) return Damaged("it ends early");
        std::copy(b.begin(), b.end(), snapshot.begin());
    }
    s.Caption = r.GetCountedText();
    s.FoundValLabel = r.GetCountedText();
    if (!r.Ok()) return Damaged("it ends early or holds a bad text length");
    if (auto bad = CheckSavedGame(s)) return Damaged(*bad);
    out.Outcome = SavedGameOutcome::Loaded;
    return out;
}

IoResult WriteSavedGame(const std::string& path, const SavedGame& s, const WriteFault* fault)
{
    return WriteFileAtomic(path, EncodeSavedGame(s), fault);
}

SavedGameRead ReadSavedGame(const std::string& path)
{
    std::string error;
    auto bytes = ReadWholeFile(path, error, 1u << 20);
    if (!bytes) {
        SavedGameRead out;
        out.Outcome = SavedGameOutcome::IoError;
        out.Message = error.empty() ? std::string("No such file or directory") : error;
        return out;
    }
    return DecodeSavedGame(*bytes);
}

}  // namespace quillo
