// quillo.str reader on arbitrary bytes, then games counted and replayed on
// what it read.

#include <cstddef>
#include <cstdint>

#include "storage/streaks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto read = quillo::DecodeStreaks({data, size});
    auto table = quillo::GameRowTable::WithCatalogue();
    for (const auto& rec : read.Records) {
        table.AppendCustom("c", rec.Game, rec.Key);
        auto& row = table.Rows().back();
        row.Streak = rec.Streak;
        row.LongestStreak = rec.Longest;
        row.SecondsPlayed = rec.Seconds;
        quillo::CountOutcome(table, rec.Game, rec.Key, true, rec.Seconds);
        quillo::CountOutcome(table, rec.Game, rec.Key, (rec.Seconds & 1) != 0, 86399);
    }
    for (const auto& since : table.Streaks)
        for (const auto& rec : read.Records) quillo::ReplayOutcomes(rec, since);
    quillo::EncodeStreaks(read.Records);
    return 0;
}
