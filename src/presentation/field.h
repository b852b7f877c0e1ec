#pragma once
// The field: the picture the window shows (I_Field), the same field without
// the moving cards (I_StoreScr), the background and the drawing of piles and
// cards into them. Drawing never touches the window; changed rectangles are
// handed to the surface.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/table_state.h"
#include "presentation/field_rect.h"
#include "presentation/mask_spans.h"
#include "presentation/pixel_buffer.h"

namespace quillo {

// Values of BKG_PARAM::BackgroundMode (the settings file names the same three).
enum FieldBackground : uint8_t { BackgroundColour = 0, BackgroundTiled = 1, BackgroundStretched = 2 };

struct BKG_PARAM {
    uint32_t BackgroundColor = 0x008000;  // 0x00RRGGBB
    uint8_t BackgroundMode = BackgroundColour;
    std::string TexturePath;
    std::string PickedTexture;
    PixelBuffer TextureBuffer;    // stretched mode: the texture at its own size
    PixelBuffer StretchedBuffer;  // stretched mode: the texture at the field size
};

// The pictures cards are drawn from: one sheet per orientation and the
// frames picture with its cell pitch.
struct CardArt {
    std::array<const PixelBuffer*, OrientationCount> Sheets{};
    const PixelBuffer* Frames = nullptr;
    int FramePitch = 0;
    // Fills a sheet the card set leaves for later (the quarter-turned forms),
    // the first time a card is drawn from it.
    std::function<void(int orientation)> BuildSheet;
    // The runs of the frames picture's masks, read on first use. A card set
    // loaded again comes with a new CardArt, and so with none.
    mutable std::shared_ptr<struct ShapeCache> Shapes;
    // Rim pixels blended over the field, by orientation (drawn sets).
    const std::array<std::vector<EdgePixel>, OrientationCount>* SoftEdges = nullptr;

    bool Ready() const;
    const PixelBuffer& Sheet(int orientation) const;
};

class Field {
public:
    explicit Field(FieldSurface& surface) : Surface_(&surface) {}

    PixelBuffer I_Field;
    PixelBuffer I_StoreScr;
    PixelBuffer I_Bkg;  // the loaded texture
    PixelBuffer I_FoundPics;
    PixelBuffer I_StockPics;
    BKG_PARAM Bkg;
    CardArt Art;

    FieldSurface& Surface() { return *Surface_; }
    void SetSurface(FieldSurface& s) { Surface_ = &s; }

    // New pictures of the field size; in stretched mode the texture is
    // stretched again.
    void Resize(int width, int height);
    int Width() const { return I_Field.Width(); }
    int Height() const { return I_Field.Height(); }

    // Background.
    void DrawBackground(PixelBuffer& image) const;
    void DrawBackgroundRect(PixelBuffer& image, const FieldRect& r) const;
    // Takes a decoded texture; an empty picture turns the background to the colour.
    void SetTexture(PixelBuffer texture, const std::string& path);
    void Restretch();

    // Rectangles.
    static FieldRect CardRect(const TableState& t, int card);
    static FieldRect PileRect(const TableState& t, int pile);

    // Drawing into a picture (the field or the store).
    void DrawPileMark(PixelBuffer& image, const TableState& t, int pile) const;
    void DrawCard(PixelBuffer& image, const TableState& t, int card) const;
    // Draws a card's picture at any place and orientation (animations).
    void DrawCardAt(PixelBuffer& image, const TableState& t, int card, int x, int y, int orientation,
                    bool faceUp) const;
    // Draws the upright face of a card blended with what image holds below it:
    // percent 100 is the card alone, 0 the image alone (fading out).
    // Draws a card in inverted colours on the field (a marked card).
    void DrawCardInverted(const TableState& t, int card);

    void BlendCard(PixelBuffer& image, const PixelBuffer& below, const TableState& t, int card, int percent) const;

    // Drawing with invalidation.
    void DrawField(TableState& t);
    // The marks of all piles and the cards in play, without background (the
    // field, or the chooser's preview).
    void DrawPilesAndCards(PixelBuffer& image, TableState& t) const;
    void RedrawPile(TableState& t, int pile, bool withBackground);
    void RedrawCard(const TableState& t, int card);
    // Marks the card (with every card above it where the game marks runs) and
    // shows it at once.
    void ShowMarked(TableState& t, int card);

    // Draws the cards in the order given, limited to clip, each only where
    // no later card of the list covers it for certain.
    void DrawCardsInOrder(PixelBuffer& image, const TableState& t, const int* cards, int count,
                          const PixelBox& clip) const;
    // Where a card drawn at its place hides for certain whatever lay below:
    // the rows and the columns of its opaque core, a rectangle inside it
    // where those two leave most of it out, and the core's bands of rows (all
    // empty when unknown).
    struct Cover {
        PixelBox Rows, Columns, Inside;
        std::array<PixelBox, MaskSpans::CoreBandCount> Bands;
    };
    Cover CoverOf(const TableState& t, int card) const;

    // The mask pixel of a card picture: true where the card is opaque.
    bool MaskOpaque(int orientation, int x, int y) const;

    // With withBackground, the background goes first wherever no card covers it.
    void DrawPilesAndCards(PixelBuffer& image, TableState& t, bool withBackground) const;

private:
    // The spans of frames column `column` for orientation o over w x h;
    // mark columns are read with their outline column as the picture.
    const MaskSpans& SpansOf(int column, int o, int w, int h, bool whiteKeeps = false) const;
    // The spans a card of orientation o is drawn through from sheet.
    const MaskSpans& CardSpans(int o, int w, int h, const PixelBuffer& sheet) const;
    void DrawCardPart(PixelBuffer& image, const TableState& t, int card, int x, int y, int orientation, bool faceUp,
                      const PixelBox& clip) const;

    FieldSurface* Surface_;
    PixelBuffer Scratch_;
};

}  // namespace quillo
