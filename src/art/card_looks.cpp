#include "card_look.h"

namespace quillo::art {

namespace {

QColor Hex(unsigned rgb) { return QColor::fromRgb(rgb); }
const QColor Rim = Hex(0xFAF8F2);

}  // namespace

CardLook ClassicLook()
{
    CardLook l;
    l.Name = "Classic";
    l.Paper = Hex(0xFFFEF9);
    l.Red = Hex(0xCC1B2B);
    l.Black = Hex(0x18181C);
    l.RobeA = Hex(0xC62828);
    l.RobeB = Hex(0x1E4FA8);
    l.Gold = Hex(0xE8B923);
    l.Skin = Hex(0xF6D7B4);
    l.Hair = Hex(0x4A3020);
    l.CourtGround = Hex(0xFFF8E6);
    l.Backs = {{BackPattern::Wheels, Hex(0x1F4E9C), Hex(0xD8E4F8), Rim},
               {BackPattern::Wheels, Hex(0xA31621), Hex(0xF8DCD8), Rim},
               {BackPattern::Lattice, Hex(0x1C6B3A), Hex(0xD4EED8), Rim}};
    return l;
}

CardLook PlainLook()
{
    CardLook l;
    l.Name = "Plain";
    l.Paper = Hex(0xFFFFFF);
    l.Red = Hex(0xD0202A);
    l.Black = Hex(0x101010);
    l.RobeA = Hex(0x2E7D32);
    l.RobeB = Hex(0xB71C1C);
    l.Gold = Hex(0xF2C230);
    l.Skin = Hex(0xF3D2B0);
    l.Hair = Hex(0x2B2018);
    l.CourtGround = Hex(0xFFFFFF);
    l.Backs = {{BackPattern::Lattice, Hex(0xB3202A), Hex(0xF6D0D0), Rim},
               {BackPattern::Lattice, Hex(0x203F8F), Hex(0xD0DCF6), Rim}};
    return l;
}

CardLook ParlourLook()
{
    CardLook l;
    l.Name = "Parlour";
    l.Paper = Hex(0xFBF6E8);
    l.Red = Hex(0x9E1B32);
    l.Black = Hex(0x1B2330);
    l.RobeA = Hex(0x6A2C70);
    l.RobeB = Hex(0x1F7A7A);
    l.Gold = Hex(0xD4A937);
    l.Skin = Hex(0xF4D5B8);
    l.Hair = Hex(0x7A4A1E);
    l.CourtGround = Hex(0xF6EBD0);
    l.Serif = true;
    l.Backs = {{BackPattern::Waves, Hex(0x1B2E55), Hex(0xC9D6F0), Rim},
               {BackPattern::Dots, Hex(0x8A1C2E), Hex(0xF2C8C8), Rim},
               {BackPattern::Checks, Hex(0x1F6F6B), Hex(0xBFE6E0), Rim},
               {BackPattern::Stars, Hex(0x3C2363), Hex(0xF1D98A), Rim},
               {BackPattern::Wheels, Hex(0x8C6A1C), Hex(0xF6E7B8), Rim}};
    return l;
}

CardLook ModernLook()
{
    CardLook l;
    l.Name = "Modern";
    l.Paper = Hex(0xFFFFFF);
    l.Red = Hex(0xE53935);
    l.Black = Hex(0x263238);
    l.RobeA = Hex(0x00897B);
    l.RobeB = Hex(0xF57C00);
    l.Gold = Hex(0xFFC107);
    l.Skin = Hex(0xFFDCC0);
    l.Hair = Hex(0x37474F);
    l.CourtGround = Hex(0xF1F7F7);
    l.Backs = {{BackPattern::Checks, Hex(0x00695C), Hex(0xB2DFDB), Rim},
               {BackPattern::Dots, Hex(0x37474F), Hex(0xFFCC80), Rim},
               {BackPattern::Waves, Hex(0xC62828), Hex(0xFFCDD2), Rim}};
    return l;
}

CardLook GrandLook()
{
    CardLook l;
    l.Name = "Grand";
    l.Paper = Hex(0xFFFDF4);
    l.Red = Hex(0xB71C1C);
    l.Black = Hex(0x111111);
    l.RobeA = Hex(0x283593);
    l.RobeB = Hex(0xAD1457);
    l.Gold = Hex(0xE0B030);
    l.Skin = Hex(0xF5D3AE);
    l.Hair = Hex(0x5D4037);
    l.CourtGround = Hex(0xFDF1D6);
    l.Serif = true;
    l.Backs = {{BackPattern::Stars, Hex(0x0D1B4C), Hex(0xF4D03F), Rim},
               {BackPattern::Lattice, Hex(0x6D1B1B), Hex(0xF0C8A0), Rim},
               {BackPattern::Wheels, Hex(0x234D20), Hex(0xD8EDC8), Rim},
               {BackPattern::Waves, Hex(0x4A148C), Hex(0xE1BEE7), Rim}};
    return l;
}

CardLook MiniatureLook()
{
    CardLook l;
    l.Name = "Miniature";
    l.Paper = Hex(0xFFFFFF);
    l.Red = Hex(0xE00000);
    l.Black = Hex(0x000000);
    l.RobeA = Hex(0x1565C0);
    l.RobeB = Hex(0xC62828);
    l.Gold = Hex(0xFFB300);
    l.Skin = Hex(0xF6D7B4);
    l.Hair = Hex(0x3E2723);
    l.CourtGround = Hex(0xFFF3C4);
    l.Backs = {{BackPattern::Checks, Hex(0x1A47A0), Hex(0xC8D8F8), Rim},
               {BackPattern::Lattice, Hex(0xB01818), Hex(0xF8C8C8), Rim},
               {BackPattern::Dots, Hex(0x1B5E20), Hex(0xC8E6C9), Rim}};
    return l;
}

}  // namespace quillo::art
