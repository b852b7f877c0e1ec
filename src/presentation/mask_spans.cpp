#include "mask_spans.h"

#include <algorithm>
#include <cstring>

namespace quillo {

PixelBox PixelBox::Meet(const PixelBox& b) const
{
    return {std::max(Left, b.Left), std::max(Top, b.Top), std::min(Right, b.Right), std::min(Bottom, b.Bottom)};
}

void SubtractBox(std::vector<PixelBox>& boxes, const PixelBox& b)
{
    if (b.Empty()) return;
    std::vector<PixelBox> out;
    out.reserve(boxes.size() + 4);
    for (const PixelBox& a : boxes) {
        const PixelBox m = a.Meet(b);
        if (m.Empty()) {
            out.push_back(a);
            continue;
        }
        // Above, below, then left and right of the cut within its rows.
        if (a.Top < m.Top) out.push_back({a.Left, a.Top, a.Right, m.Top});
        if (m.Bottom < a.Bottom) out.push_back({a.Left, m.Bottom, a.Right, a.Bottom});
        if (a.Left < m.Left) out.push_back({a.Left, m.Top, m.Left, m.Bottom});
        if (m.Right < a.Right) out.push_back({m.Right, m.Top, a.Right, m.Bottom});
    }
    boxes.swap(out);
}

namespace {

bool CellInside(const PixelBuffer& b, int x, int y, int w, int h)
{
    return x >= 0 && y >= 0 && w >= 1 && h >= 1 && x <= b.Width() - w && y <= b.Height() - h;
}

SpanKind KindOf(const uint8_t* m, const uint8_t* p, bool whiteKeeps)
{
    if ((m[0] | m[1] | m[2]) == 0) return SpanKind::Copy;
    const bool white = (m[0] & m[1] & m[2]) == 0xFF;
    if (white && (whiteKeeps || (p != nullptr && (p[0] | p[1] | p[2]) == 0))) return SpanKind::Keep;
    return SpanKind::Mixed;
}

// The longest run of true values: [begin, end).
void LongestRun(const std::vector<uint8_t>& on, int& begin, int& end)
{
    begin = end = 0;
    const int n = static_cast<int>(on.size());
    for (int i = 0; i < n;) {
        if (!on[static_cast<size_t>(i)]) {
            ++i;
            continue;
        }
        int j = i;
        while (j < n && on[static_cast<size_t>(j)]) ++j;
        if (j - i > end - begin) {
            begin = i;
            end = j;
        }
        i = j;
    }
}

// Widens best to the largest rectangle standing on row y (bottom y + 1)
// under the heights of the Copy runs ending there.
void LargestOnRow(const std::vector<int>& heights, int y, std::vector<int>& stack, PixelBox& best)
{
    const int n = static_cast<int>(heights.size());
    long bestArea = static_cast<long>(best.Right - best.Left) * (best.Bottom - best.Top);
    stack.clear();
    for (int x = 0; x <= n; ++x) {
        const int h = x < n ? heights[static_cast<size_t>(x)] : 0;
        while (!stack.empty() && heights[static_cast<size_t>(stack.back())] >= h) {
            const int top = heights[static_cast<size_t>(stack.back())];
            stack.pop_back();
            const int left = stack.empty() ? 0 : stack.back() + 1;
            const long area = static_cast<long>(top) * (x - left);
            if (area > bestArea) {
                bestArea = area;
                best = {left, y + 1 - top, x, y + 1};
            }
        }
        stack.push_back(x);
    }
}

void MaskBytes(uint8_t* __restrict d, const uint8_t* __restrict m, const uint8_t* __restrict p, size_t n)
{
    for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>((d[i] & m[i]) | p[i]);
}

}  // namespace

MaskSpans::MaskSpans(const PixelBuffer& mask, int mx, int my, int w, int h, const PixelBuffer* picture, int px,
                     int py, bool whiteKeeps, const std::vector<EdgePixel>* softEdge)
{
    if (!CellInside(mask, mx, my, w, h)) return;
    if (picture != nullptr && !CellInside(*picture, px, py, w, h)) return;
    Width_ = w;
    Height_ = h;
    Starts_.reserve(static_cast<size_t>(h) + 1);
    // The soft edge by place: which pixels blend, and with what.
    std::vector<int32_t> edgeAt;
    if (softEdge != nullptr && !softEdge->empty()) {
        edgeAt.assign(static_cast<size_t>(w) * static_cast<size_t>(h), -1);
        for (size_t i = 0; i < softEdge->size(); ++i) {
            const EdgePixel& e = (*softEdge)[i];
            if (e.X < w && e.Y < h && e.Inner <= e.Alpha)
                edgeAt[static_cast<size_t>(e.Y) * static_cast<size_t>(w) + e.X] = static_cast<int32_t>(i);
        }
    }
    std::vector<uint8_t> fullRow(static_cast<size_t>(h)), fullColumn(static_cast<size_t>(w), 1);
    std::vector<int> copyHeight(static_cast<size_t>(w)), stack;
    std::vector<std::pair<int, int>> longestCopy(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        Starts_.push_back(static_cast<uint32_t>(Spans_.size()));
        const uint8_t* m = mask.PixelAt(mx, my + y);
        const uint8_t* p = picture != nullptr ? picture->PixelAt(px, py + y) : nullptr;
        for (int x = 0; x < w; ++x) {
            const int32_t edge = edgeAt.empty() ? -1 : edgeAt[static_cast<size_t>(y) * static_cast<size_t>(w) + x];
            const SpanKind k = edge >= 0 ? SpanKind::Blend : KindOf(m + 3 * x, p != nullptr ? p + 3 * x : nullptr, whiteKeeps);
            if (k != SpanKind::Copy) fullColumn[static_cast<size_t>(x)] = 0;
            if (k == SpanKind::Blend) Edges_.push_back((*softEdge)[static_cast<size_t>(edge)]);
            if (!Spans_.empty() && Spans_.size() > Starts_.back() && Spans_.back().Kind == k)
                Spans_.back().End = x + 1;
            else
                Spans_.push_back({x, x + 1, k, static_cast<uint32_t>(Edges_.size() - (k == SpanKind::Blend ? 1 : 0))});
        }
        const MaskSpan& first = Spans_[Starts_.back()];
        fullRow[static_cast<size_t>(y)] = first.Kind == SpanKind::Copy && first.End == w;
        for (size_t i = Starts_.back(); i < Spans_.size(); ++i) {
            auto& run = longestCopy[static_cast<size_t>(y)];
            if (Spans_[i].Kind == SpanKind::Copy && Spans_[i].End - Spans_[i].Begin > run.second - run.first)
                run = {Spans_[i].Begin, Spans_[i].End};
        }
        for (size_t i = Starts_.back(); i < Spans_.size(); ++i)
            for (int x = Spans_[i].Begin; x < Spans_[i].End; ++x) {
                int& up = copyHeight[static_cast<size_t>(x)];
                up = Spans_[i].Kind == SpanKind::Copy ? up + 1 : 0;
            }
        LargestOnRow(copyHeight, y, stack, Inside_);
    }
    Starts_.push_back(static_cast<uint32_t>(Spans_.size()));
    LongestRun(fullRow, CoreTop_, CoreBottom_);
    // Bands over the rows that have any Copy run.
    int top = 0, bottom = h;
    while (top < h && longestCopy[static_cast<size_t>(top)].second == 0) ++top;
    while (bottom > top && longestCopy[static_cast<size_t>(bottom) - 1].second == 0) --bottom;
    for (int k = 0; k < CoreBandCount && bottom > top; ++k) {
        PixelBox band{0, top + (bottom - top) * k / CoreBandCount, w, top + (bottom - top) * (k + 1) / CoreBandCount};
        for (int y = band.Top; y < band.Bottom; ++y) {
            band.Left = std::max(band.Left, longestCopy[static_cast<size_t>(y)].first);
            band.Right = std::min(band.Right, longestCopy[static_cast<size_t>(y)].second);
        }
        if (!band.Empty()) Bands_[static_cast<size_t>(k)] = band;
    }
    LongestRun(fullColumn, CoreLeft_, CoreRight_);
}

bool BlackOutsideMask(const MaskSpans& spans, const PixelBuffer& mask, int mx, int my, const PixelBuffer& picture,
                      int px, int py)
{
    if (!spans.Valid() || !CellInside(picture, px, py, spans.Width(), spans.Height())) return false;
    for (int y = 0; y < spans.Height(); ++y) {
        const uint8_t* m = mask.PixelAt(mx, my + y);
        const uint8_t* p = picture.PixelAt(px, py + y);
        for (const MaskSpan* s = spans.RowBegin(y); s != spans.RowEnd(y); ++s) {
            if (s->Kind == SpanKind::Copy) continue;
            for (int x = 3 * s->Begin; x < 3 * s->End; x += 3)
                if ((m[x] & m[x + 1] & m[x + 2]) == 0xFF && (p[x] | p[x + 1] | p[x + 2]) != 0) return false;
        }
    }
    return true;
}

void DrawMaskedSpans(PixelBuffer& dst, int dx, int dy, const MaskSpans& spans, const PixelBuffer& mask, int mx,
                     int my, const PixelBuffer& picture, int px, int py, const PixelBox& clip)
{
    if (!spans.Valid()) return;
    // The part of the cell that lands inside the clip, dst and picture, in
    // cell coordinates.
    const int x0 = std::max({0, clip.Left - dx, -dx, -px});
    const int y0 = std::max({0, clip.Top - dy, -dy, -py});
    const int x1 = std::min({spans.Width(), clip.Right - dx, dst.Width() - dx, picture.Width() - px});
    const int y1 = std::min({spans.Height(), clip.Bottom - dy, dst.Height() - dy, picture.Height() - py});
    if (x1 <= x0 || y1 <= y0) return;
    for (int y = y0; y < y1; ++y) {
        uint8_t* d = dst.Row(dy + y);
        const uint8_t* p = picture.Row(py + y);
        const uint8_t* m = mask.Row(my + y);
        // A turned card's rows start at the blended edge, which would wait
        // on memory for each row: ask for a later row's start early.
        if (y + 2 < y1) {
            const MaskSpan* s = spans.RowBegin(y + 2);
            while (s != spans.RowEnd(y + 2) && (s->Kind == SpanKind::Keep || s->End <= x0)) ++s;
            if (s != spans.RowEnd(y + 2) && s->Begin < x1) {
                const size_t b = 3 * static_cast<size_t>(std::max(s->Begin, x0));
                __builtin_prefetch(dst.Row(dy + y + 2) + 3 * static_cast<size_t>(dx) + b, 1);
                __builtin_prefetch(picture.Row(py + y + 2) + 3 * static_cast<size_t>(px) + b);
            }
        }
        for (const MaskSpan* s = spans.RowBegin(y); s != spans.RowEnd(y); ++s) {
            const int b = std::max(s->Begin, x0), e = std::min(s->End, x1);
            if (e <= b || s->Kind == SpanKind::Keep) continue;
            const size_t n = 3 * static_cast<size_t>(e - b);
            uint8_t* to = d + 3 * static_cast<size_t>(dx + b);
            const uint8_t* from = p + 3 * static_cast<size_t>(px + b);
            if (s->Kind == SpanKind::Copy)
                std::memcpy(to, from, n);
            else if (s->Kind == SpanKind::Mixed)
                MaskBytes(to, m + 3 * static_cast<size_t>(mx + b), from, n);
            else
                for (int x = b; x < e; ++x) {
                    const EdgePixel& edge = spans.Edge(s->First + static_cast<uint32_t>(x - s->Begin));
                    const int fx = px + x + edge.FromX, fy = py + y + edge.FromY;
                    const int lx = px + x + edge.LineX, ly = py + y + edge.LineY;
                    if (!picture.Contains(fx, fy) || !picture.Contains(lx, ly)) continue;
                    const uint8_t* face = picture.PixelAt(fx, fy);
                    const uint8_t* line = picture.PixelAt(lx, ly);
                    uint8_t* o = d + 3 * static_cast<size_t>(dx + x);
                    const int a = edge.Alpha, i = edge.Inner;
                    for (int k = 0; k < 3; ++k)
                        o[k] = static_cast<uint8_t>((face[k] * i + line[k] * (a - i) + o[k] * (255 - a) + 127) / 255);
                }
        }
    }
}

}  // namespace quillo
