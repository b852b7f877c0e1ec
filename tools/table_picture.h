#pragma once
// A dealt table drawn the way the window draws it, for the help pages'
// pictures: the game laid out and dealt with a card set, then the field.

#include <QImage>
#include <cstdint>
#include <string>

namespace quillo {

struct TablePictureRequest {
    int Game = 0;
    uint32_t Number = 1;
    std::string CardSet;   // a .cr3/.cr4 file; its frames are looked for beside it
    int FieldWidth = 792;  // the window's field the game is laid out for
    int FieldHeight = 526;
    int ShownWidth = 0;    // scaled to this width when above 0
    // Instead of CardSet: a set drawn at the size that fits the game to a
    // field of exactly FieldWidth x FieldHeight, as a maximized window has.
    bool FitCards = false;
};

// The drawn table, or a null image with why filled in.
QImage DrawTablePicture(const TablePictureRequest& request, std::string& why);

}  // namespace quillo
