#pragma once
// The program's own small pictures: the menu and tool-bar images and the
// program icon, drawn at run time.

#include <QIcon>
#include <QPixmap>

namespace quillo {

// Images of the menu image list: 0 Choose, 1 New, 2 Restart, 3 Undo,
// 4 Background Color, 5 Background Texture, 6 Deck, 7 Back, 8 Customize,
// 11 Game Rules.
QIcon MenuIcon(int index);
QPixmap ProgramIcon(int size);

}  // namespace quillo
