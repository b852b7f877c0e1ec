#include "winnable_watch.h"

#include <QMetaObject>
#include <malloc.h>

namespace quillo {

namespace {

WinnableVerdict Judge(const TableState& now, const std::vector<TableState>& earlier, SolverBudget budget)
{
    WinnableVerdict v;
    v.Result = Solve(now, budget).Result;
    if (v.Result != SolveResult::Lost) return v;
    for (size_t i = 0; i < earlier.size(); ++i) {
        if (budget.Cancel->load()) break;
        const SolveResult r = Solve(earlier[i], budget).Result;
        if (r == SolveResult::Won) {
            v.UndoSteps = static_cast<int>(i) + 1;
            break;
        }
        // Behind an undecided position a count would not be the nearest.
        if (r != SolveResult::Lost) break;
    }
    return v;
}

} // namespace

WinnableWatch::~WinnableWatch()
{
    Cancel();
    Reap(true);
}

int WinnableWatch::Start(const TableState& now, std::vector<TableState> earlier)
{
    Cancel();
    Reap(false);
    const int generation = Generation_;
    Job job;
    job.Stop = std::make_shared<std::atomic<bool>>(false);
    job.Finished = std::make_shared<std::atomic<bool>>(false);
    SolverBudget budget = Budget;
    budget.Cancel = job.Stop.get();
    job.Thread = std::thread(
        [this, generation, now, earlier = std::move(earlier), budget, stop = job.Stop, finished = job.Finished] {
            const WinnableVerdict v = Judge(now, earlier, budget);
            // The search's tables are freed into this thread's own heap, which
            // would otherwise stay resident for the life of the program.
            malloc_trim(0);
            // The watch outlives the thread (its destructor joins), so the queued
            // call finds it; a cancelled search has nothing to say.
            if (!stop->load())
                QMetaObject::invokeMethod(
                    this, [this, generation, v] { Deliver(generation, v); }, Qt::QueuedConnection);
            finished->store(true);
        });
    Jobs_.push_back(std::move(job));
    return generation;
}

void WinnableWatch::Cancel()
{
    ++Generation_;
    for (Job& j : Jobs_)
        j.Stop->store(true);
}

void WinnableWatch::Deliver(int generation, const WinnableVerdict& v)
{
    if (generation != Generation_ || !Done) return;
    Done(v);
}

void WinnableWatch::Reap(bool all)
{
    for (auto it = Jobs_.begin(); it != Jobs_.end();) {
        if (all || it->Finished->load()) {
            it->Thread.join();
            it = Jobs_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace quillo
