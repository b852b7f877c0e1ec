#pragma once
// The look of one card set: paper, suit colours, lettering, court robes and
// the designs of its backs.

#include <QColor>
#include <QString>
#include <vector>

namespace quillo::art {

// Suit numbers of the sheets: 0 clubs, 1 spades (one colour), 2 hearts, 3 diamonds.
enum SuitKind { Clubs = 0, Spades = 1, Hearts = 2, Diamonds = 3 };

enum class BackPattern { Wheels, Lattice, Checks, Dots, Waves, Stars };

struct BackDesign {
    BackPattern Pattern = BackPattern::Lattice;
    QColor Ground;  // the field of the pattern
    QColor Ink;     // the pattern's lines
    QColor Margin;  // the white rim around it
};

struct CardLook {
    QString Name;
    QColor Paper;
    QColor Red;    // hearts and diamonds
    QColor Black;  // clubs and spades
    QColor RobeA, RobeB, Gold, Skin, Hair;
    QColor CourtGround;  // behind the court figures
    bool Serif = false;  // lettering of the indexes
    std::vector<BackDesign> Backs;

    QColor SuitColour(int suit) const { return suit >= 2 ? Red : Black; }
};

// The looks the program's card sets are made in.
CardLook ClassicLook();
CardLook PlainLook();
CardLook ParlourLook();
CardLook ModernLook();
CardLook GrandLook();
CardLook MiniatureLook();

}  // namespace quillo::art
