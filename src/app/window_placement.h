#pragma once
// Where the main window opens: 800 x 600 centred, or the whole screen side
// on a small screen.

namespace quillo {

struct WindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 800;
    int Height = 600;
};

// workBottom is the bottom edge of the desktop work area.
WindowPlacement PlaceMainWindow(int screenWidth, int screenHeight, int workBottom);

}  // namespace quillo
