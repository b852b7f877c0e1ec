#include "window_placement.h"

namespace quillo {

WindowPlacement PlaceMainWindow(int screenWidth, int screenHeight, int workBottom)
{
    WindowPlacement p;
    if (screenWidth <= 800) {
        p.Width = screenWidth;
        p.Left = 0;
    } else {
        p.Width = 800;
        p.Left = (screenWidth - 800) / 2;
    }
    if (screenHeight <= 600) {
        p.Height = workBottom;
        p.Top = 0;
    } else {
        p.Height = 600;
        p.Top = (screenHeight - 600) / 2;
    }
    return p;
}

}  // namespace quillo
