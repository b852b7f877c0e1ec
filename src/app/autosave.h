#pragma once
// The game in progress, kept on disk after every action so that any exit,
// even a killed process, can be resumed at the next start.

#include <QTimer>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/game.h"

namespace quillo {

inline constexpr const char* AutosaveFileName = "autosave.sav";

// Writes whole files atomically on a thread of its own. Only the newest
// bytes handed over wait: a write in flight is finished, one waiting is
// replaced, so at most one write is ever in flight.
class AutosaveWriter {
public:
    explicit AutosaveWriter(std::string path) : Path_(std::move(path)) {}
    ~AutosaveWriter();
    AutosaveWriter(const AutosaveWriter&) = delete;
    AutosaveWriter& operator=(const AutosaveWriter&) = delete;

    void Hand(std::vector<uint8_t> bytes);
    // Returns once everything handed over is on disk (or failed).
    void Wait();
    // The last write's error; empty after a success.
    std::string LastError();

private:
    void Run();

    std::string Path_;
    std::thread Thread_;
    std::mutex Mutex_;
    std::condition_variable Changed_;
    std::optional<std::vector<uint8_t>> Waiting_;
    bool Busy_ = false;
    bool Stop_ = false;
    std::string LastError_;
};

// The window's side: an action asks for a save; the save is made once the
// event that caused it is over, so actions in one event share one write.
class Autosave {
public:
    // capture gives the saved-game bytes of the game as the window shows it.
    Autosave(std::string path, std::function<std::vector<uint8_t>()> capture);

    const std::string& Path() const { return Path_; }
    // Nothing is saved until the start-up has resumed or dealt a game.
    void Arm() { Armed_ = true; }
    bool Armed() const { return Armed_; }
    void Schedule();
    // Captures and writes at once, and waits for the disk (exit, tests).
    void WriteNow();
    void Wait() { Writer_.Wait(); }

private:
    void Write();

    std::string Path_;
    std::function<std::vector<uint8_t>()> Capture_;
    bool Armed_ = false;
    QTimer Timer_;
    AutosaveWriter Writer_;
};

enum class ResumeOutcome {
    NoFile,    // nothing to resume: deal anew
    Resumed,   // the autosaved game is on the table
    SetAside,  // unreadable: renamed to path + ".bak", deal anew
};

struct AutosaveResume {
    ResumeOutcome Outcome = ResumeOutcome::NoFile;
    std::string Note;  // one line for the player when set aside
};

// Puts the autosaved game at path onto g when the file is whole and sound
// and its game can be set up here; otherwise moves the file aside.
AutosaveResume ResumeAutosave(Game& g, const std::string& path);

}  // namespace quillo
