#include "autosave.h"

#include <cstdio>

#include "storage/saved_game.h"

namespace quillo {

AutosaveWriter::~AutosaveWriter()
{
    {
        std::lock_guard lock(Mutex_);
        Stop_ = true;
    }
    Changed_.notify_all();
    if (Thread_.joinable()) Thread_.join();
}

void AutosaveWriter::Hand(std::vector<uint8_t> bytes)
{
    {
        std::lock_guard lock(Mutex_);
        Waiting_ = std::move(bytes);
        if (!Thread_.joinable()) Thread_ = std::thread([this] { Run(); });
    }
    Changed_.notify_all();
}

void AutosaveWriter::Wait()
{
    std::unique_lock lock(Mutex_);
    Changed_.wait(lock, [this] { return !Busy_ && !Waiting_; });
}

std::string AutosaveWriter::LastError()
{
    std::lock_guard lock(Mutex_);
    return LastError_;
}

void AutosaveWriter::Run()
{
    std::unique_lock lock(Mutex_);
    for (;;) {
        Changed_.wait(lock, [this] { return Stop_ || Waiting_; });
        // Whatever is waiting is still written at exit: it is the newest game.
        if (!Waiting_) return;
        std::vector<uint8_t> bytes = std::move(*Waiting_);
        Waiting_.reset();
        Busy_ = true;
        lock.unlock();
        const IoResult done = WriteFileAtomic(Path_, bytes);
        lock.lock();
        Busy_ = false;
        LastError_ = done.Error;
        Changed_.notify_all();
    }
}

Autosave::Autosave(std::string path, std::function<std::vector<uint8_t>()> capture)
    : Path_(std::move(path)), Capture_(std::move(capture)), Writer_(Path_)
{
    Timer_.setSingleShot(true);
    Timer_.setInterval(0);
    QObject::connect(&Timer_, &QTimer::timeout, &Timer_, [this] { Write(); });
}

void Autosave::Schedule()
{
    if (Armed_ && !Timer_.isActive()) Timer_.start();
}

void Autosave::WriteNow()
{
    if (!Armed_) return;
    Timer_.stop();
    Write();
    Writer_.Wait();
}

void Autosave::Write()
{
    Writer_.Hand(Capture_());
}

AutosaveResume ResumeAutosave(Game& g, const std::string& path)
{
    if (!FileExists(path)) return {};
    const SavedGameRead read = ReadSavedGame(path);
    if (read.Ok() && ApplySavedGame(g, read.Game)) {
        // A game saved before its first action has not been counted as played.
        g.T.PlayedPending = !read.Game.UndoEnabled;
        return {ResumeOutcome::Resumed, {}};
    }
    const std::string aside = path + ".bak";
    std::rename(path.c_str(), aside.c_str());
    return {ResumeOutcome::SetAside, "The autosaved game could not be read; it was set aside as " +
                                         aside.substr(aside.find_last_of('/') + 1) + "."};
}

}  // namespace quillo
