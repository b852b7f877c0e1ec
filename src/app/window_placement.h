#pragma once
// Where the main window opens: on a first run about four fifths of the work
// area, centred; later where the player left it, kept on the work area.

namespace quillo {

struct WindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 800;
    int Height = 600;
};

// The part of the screen windows may use (without panels and docks).
struct WorkArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A first run: 80% of the work area each way, centred, never smaller than
// 800 x 600 where the work area holds that (a small screen is filled).
WindowPlacement PlaceFirstWindow(const WorkArea& work);
// A run after the settings file kept a placement: the stored one, shrunk and
// moved just enough to lie on the work area. A stored size that is no size
// gives way to the first-run size.
WindowPlacement PlaceStoredWindow(const WorkArea& work, const WindowPlacement& stored);

}  // namespace quillo
