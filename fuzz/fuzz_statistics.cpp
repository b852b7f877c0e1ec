// quillo.won reader on arbitrary bytes, then counting on what it loaded.

#include <cstddef>
#include <cstdint>

#include "storage/statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto read = quillo::DecodeStatistics({data, size});
    auto table = quillo::GameRowTable::WithCatalogue();
    for (const auto& rec : read.Records) {
        table.AppendCustom("c", rec.Game, rec.Key);
        auto& row = table.Rows().back();
        row.Played = rec.Played;
        row.Won = rec.Won;
        row.BestTime = rec.BestTime;
        quillo::GameRules live;
        live.NowTime = 0.25;
        quillo::CountPlayed(table, rec.Game, rec.Key);
        auto win = quillo::CountWin(table, rec.Game, rec.Key, live);
        quillo::StoreRecord(table, win, rec.BestPlayer);
    }
    quillo::EncodeStatistics(read.Records);
    return 0;
}
