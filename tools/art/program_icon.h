#pragma once
// The program's icon for the desktop: one drawing, written as SVG and as PNG
// at every hicolor size, so the two never drift apart.

#include <QImage>
#include <string>

namespace quillo::art {

// The pixel sizes the PNG icons come in.
inline constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage ProgramIconImage(int size);
std::string ProgramIconSvg();

// DIR/hicolor/scalable/apps/NAME.svg and DIR/hicolor/SxS/apps/NAME.png.
bool WriteProgramIcons(const std::string& dir, const std::string& name, std::string& error);

}  // namespace quillo::art
