#pragma once
// Field rectangles: (Left, Top, Right, Bottom) with Right = Left + width.
// An empty rectangle has all four sides -1.

#include <algorithm>

namespace quillo {

struct FieldRect {
    int Left = -1;
    int Top = -1;
    int Right = -1;
    int Bottom = -1;

    static FieldRect Of(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    bool Empty() const { return Left == -1 && Top == -1 && Right == -1 && Bottom == -1; }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // Grows to hold r; an empty rectangle takes r's sides.
    void Extend(const FieldRect& r)
    {
        if (r.Empty()) return;
        if (Empty()) {
            *this = r;
            return;
        }
        Left = std::min(Left, r.Left);
        Top = std::min(Top, r.Top);
        Right = std::max(Right, r.Right);
        Bottom = std::max(Bottom, r.Bottom);
    }
    // Whether the two rectangles meet, sides included.
    bool Meets(const FieldRect& r) const
    {
        return !Empty() && !r.Empty() && Left <= r.Right && r.Left <= Right && Top <= r.Bottom && r.Top <= Bottom;
    }
    bool operator==(const FieldRect&) const = default;
};

// Where the field's pictures are shown: the window side of the drawing.
class FieldSurface {
public:
    virtual ~FieldSurface() = default;
    // The rectangle changed in the field picture and must be shown.
    virtual void Invalidate(const FieldRect&) {}
    // Show every invalidated rectangle now (inside animations).
    virtual void RepaintNow() {}
    // Blocks for a pause between animation frames; no input is handled meanwhile.
    virtual void Sleep(int /*milliseconds*/) {}
};

}  // namespace quillo
