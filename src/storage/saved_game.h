#pragma once
// Saved games (.sav): a straight dump of the game in progress, read back into
// a scratch record and put onto the live game only when the whole file was
// read and found sound.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "engine/game.h"

namespace quillo {

inline constexpr const char* SavedGameFilter = "Quillotaire Game|*.sav";
inline constexpr const char* SavedGameExtension = ".sav";
inline constexpr const char* SaveDialogTitle = "Save Quillotaire Game";
inline constexpr const char* OpenDialogTitle = "Open Quillotaire Game";
inline constexpr const char* OutdatedSaveMessage = "The save game version is outdated!";

struct SavedGame {
    int32_t CurrentGame = 0;
    int32_t CurrentCustom = -1;
    GameRules Rules;
    GameRules ChosenRules;
    std::string GameName;
    std::string HelpTopic;
    std::array<Card, MaxCards> Cards{};
    std::array<Pile, MaxPiles> Piles{};
    bool UndoEnabled = false;
    std::vector<UndoSnapshot> Undo;  // the newest snapshots, oldest first
    std::string Caption;
    std::string FoundValLabel;  // the starting-rank label; empty when hidden
};

enum class SavedGameOutcome {
    Loaded,
    NotASavedGame,  // another title: ignored without a message
    Outdated,       // another version: OutdatedSaveMessage
    Damaged,        // short, or a field out of range: Message says why
    IoError,        // could not be read: Message is the system's text
};

struct SavedGameRead {
    SavedGameOutcome Outcome = SavedGameOutcome::Damaged;
    std::string Message;  // what to show; empty when nothing is shown
    SavedGame Game;
    bool Ok() const { return Outcome == SavedGameOutcome::Loaded; }
};

// The record of the live game, with the caption and the starting-rank label
// as the window shows them.
SavedGame CaptureSavedGame(const Game& g, const std::string& caption, const std::string& foundValLabel);
// The same, with the texts the engine gives the window after a deal.
SavedGame CaptureSavedGame(const Game& g);
// GameName + " [" + game number + "]", offered as the file name.
std::string ProposedSaveName(const TableState& t);

std::vector<uint8_t> EncodeSavedGame(const SavedGame& s);
SavedGameRead DecodeSavedGame(std::span<const uint8_t> bytes);

IoResult WriteSavedGame(const std::string& path, const SavedGame& s, const WriteFault* fault = nullptr);
SavedGameRead ReadSavedGame(const std::string& path);

// Puts a completely read saved game onto the live game: sets up its game,
// takes its records (keeping this run's card sizes), history, caption and
// labels, clears the pointer state and resumes the clock. Returns false,
// changing nothing, when the game cannot be set up in this program.
bool ApplySavedGame(Game& g, const SavedGame& s);

// The load command's file side: reads the file and applies it only when it
// was read whole and found sound. Anything else leaves g untouched; the
// outcome's Message is what the window shows (none for a foreign file).
SavedGameRead LoadSavedGame(Game& g, const std::string& path);

}  // namespace quillo
