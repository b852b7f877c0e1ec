#include "window_placement.h"

#include <algorithm>

namespace quillo {

namespace {

constexpr int SmallestWidth = 800;
constexpr int SmallestHeight = 600;

// Puts [start, start + size) inside [low, low + room) when it fits, else at low.
int KeepInside(int start, int size, int low, int room)
{
    return std::max(low, std::min(start, low + room - size));
}

}  // namespace

WindowPlacement PlaceFirstWindow(const WorkArea& work)
{
    const int workW = std::max(work.Width, 1);
    const int workH = std::max(work.Height, 1);
    WindowPlacement p;
    p.Width = std::min(workW, std::max(workW * 4 / 5, SmallestWidth));
    p.Height = std::min(workH, std::max(workH * 4 / 5, SmallestHeight));
    p.Left = work.Left + (workW - p.Width) / 2;
    p.Top = work.Top + (workH - p.Height) / 2;
    return p;
}

WindowPlacement PlaceStoredWindow(const WorkArea& work, const WindowPlacement& stored)
{
    if (stored.Width <= 0 || stored.Height <= 0) return PlaceFirstWindow(work);
    const int workW = std::max(work.Width, 1);
    const int workH = std::max(work.Height, 1);
    WindowPlacement p;
    p.Width = std::min(stored.Width, workW);
    p.Height = std::min(stored.Height, workH);
    p.Left = KeepInside(stored.Left, p.Width, work.Left, workW);
    p.Top = KeepInside(stored.Top, p.Height, work.Top, workH);
    return p;
}

}  // namespace quillo
