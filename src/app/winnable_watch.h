#pragma once
// Whether the position on the table can still be won, worked out by the
// solver in a worker thread on a copy. Each new position starts a new search
// and cancels the one before; the UI thread never waits for a search, and a
// result reaches it only while its position is still the newest.

#include "engine/solver.h"
#include "engine/table_state.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace quillo {

struct WinnableVerdict {
    SolveResult Result = SolveResult::Unknown;
    // Not winnable: how many undo steps back a won position lies (0 = not known).
    int UndoSteps = 0;
};

class WinnableWatch : public QObject {
    Q_OBJECT
public:
    explicit WinnableWatch(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
    ~WinnableWatch() override;

    // Starts a search of now; earlier, older positions are tried only when
    // now is lost (newest first). Returns the search's generation.
    int Start(const TableState& now, std::vector<TableState> earlier);
    // Drops the running search and any result still on its way.
    void Cancel();
    int Generation() const { return Generation_; }

    // Called on the UI thread with each result of the newest generation.
    std::function<void(const WinnableVerdict&)> Done;
    SolverBudget Budget{ 200'000, 3000, nullptr };

    // Delivers a result; one of an older generation is dropped.
    void Deliver(int generation, const WinnableVerdict& v);

private:
    struct Job {
        std::thread Thread;
        std::shared_ptr<std::atomic<bool>> Stop;
        std::shared_ptr<std::atomic<bool>> Finished;
    };
    void Reap(bool all);

    int Generation_ = 0;
    std::vector<Job> Jobs_;
};

} // namespace quillo
