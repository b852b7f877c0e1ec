#include "placement.h"

#include <cmath>

namespace quillo {

namespace {

int Gap(int field, int card, int count)
{
    return (field - card * count) / (count + 1);
}

int32_t MirrorOrientation(int32_t o)
{
    switch (o) {
    case 0: return 6;
    case 6: return 0;
    case 1: return 5;
    case 5: return 1;
    case 2: return 4;
    case 4: return 2;
    default: return o;
    }
}

uint8_t MirrorFan(uint8_t f)
{
    switch (f) {
    case FanLeft: return FanRight;
    case FanRight: return FanLeft;
    case FanUp: return FanDown;
    case FanDown: return FanUp;
    default: return f;
    }
}

}  // namespace

void PlacePile(TableState& t, int pile, int col, int cols, int rows, int row)
{
    PlacePileRow(t, pile, pile, col, 0, rows, row, 0, cols);
}

void PlacePileRow(TableState& t, int first, int last, int col0, int rowStep, int rows, int row0, int colStep,
                  int cols)
{
    const GameRules& r = t.Rules;
    const int w = r.CardWidth(), h = r.CardHeight();
    const int gapX = cols == -1 ? 0 : Gap(r.FieldWidth, w, cols);
    const int gapY = rows == -1 ? 0 : Gap(r.FieldHeight, h, rows);
    int col = col0, row = row0;
    for (int p = first; p <= last; ++p) {
        Pile& pile = t.PileAt(p);
        pile.X = cols == -1 ? col : gapX + (w + gapX) * col;
        pile.Y = rows == -1 ? row : gapY + (h + gapY) * row;
        col += colStep;
        row += rowStep;
    }
}

void PlacePileScaled(TableState& t, int pile, double x, double y, int32_t orientation)
{
    Pile& p = t.PileAt(pile);
    p.X = static_cast<int32_t>(std::nearbyint(x * t.Rules.ScaleX));
    p.Y = static_cast<int32_t>(std::nearbyint(y * t.Rules.ScaleY));
    p.Orientation = orientation;
}

void MirrorPile(TableState& t, int source, int target, MirrorAxis axis)
{
    const Pile& s = t.PileAt(source);
    Pile& d = t.PileAt(target);
    const CardSize& size = t.Rules.CardSizes[static_cast<size_t>(s.Orientation & 7)];
    if (axis == MirrorAxis::LeftRight) {
        d.X = t.Rules.FieldWidth - size.Width - s.X;
        d.Y = s.Y;
    } else {
        d.X = s.X;
        d.Y = t.Rules.FieldHeight - size.Height - s.Y;
    }
    d.FanDir = MirrorFan(s.FanDir);
    d.Orientation = MirrorOrientation(s.Orientation);
    d.Kind = s.Kind;
}

void SetFans(TableState& t, int mode)
{
    for (int p = 0; p < t.Rules.PileCount; ++p) {
        Pile& pile = t.PileAt(p);
        pile.Orientation = Upright;
        pile.FanDir = FanNone;
        if (t.Rules.IsTableau(p)) {
            if (mode == 1) pile.FanDir = FanDown;
            if (mode == 2) pile.FanDir = FanRight;
        }
    }
}

void SetPileFans(TableState& t, int first, int last, uint8_t fanDir, int32_t orientation)
{
    for (int p = first; p <= last; ++p) {
        t.PileAt(p).FanDir = fanDir;
        t.PileAt(p).Orientation = orientation;
    }
}

}  // namespace quillo
