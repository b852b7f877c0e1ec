#pragma once
// The chooser's picture of a fresh deal. The live game is set up and dealt
// in preview form with this view in place of the window's, then restored.

#include <QImage>
#include <functional>

#include "engine/table_view.h"
#include "presentation/pixel_buffer.h"

namespace quillo {

class Field;
class Game;
struct TableState;

// Draws a laid-out deal (piles' marks, cards in play) into a picture of the
// field's size that is already filled with the preview's green.
using PreviewPainter = std::function<void(TableState&, PixelBuffer&)>;
// Lays the cards out and draws them as the field shows them.
PreviewPainter FieldPreviewPainter(const Field& field);

struct PreviewPicture {
    PixelBuffer Picture;  // the whole field
    int ShownWidth = 0;
    int ShownHeight = 0;
    int Paints = 0;
};

// Setup and deal talk to this view during a preview. Questions about the
// window go to the live view, so the preview has the size the game would
// have in the window; everything else stays away from the window.
class PreviewView : public TableView {
public:
    PreviewView(const TableView& live, TableState& table, PreviewPicture& target, const PreviewPainter& painter)
        : Live_(live), Table_(table), Target_(target), Painter_(painter)
    {
    }

    bool IsMaximized() const override { return Live_.IsMaximized(); }
    int MaximizedClientWidth() const override { return Live_.MaximizedClientWidth(); }
    int MaximizedClientHeight() const override { return Live_.MaximizedClientHeight(); }
    ScreenSize Screen() const override { return Live_.Screen(); }
    int ToolBarHeight() const override { return Live_.ToolBarHeight(); }
    int NormalFieldWidth() const override { return Live_.NormalFieldWidth(); }
    int NormalFieldHeight() const override { return Live_.NormalFieldHeight(); }
    double TimeOfDay() const override { return Live_.TimeOfDay(); }

    void ResizePreview(int width, int height, int shownWidth, int shownHeight) override;
    bool PreviewHasSize(int width, int height) const override;
    void PaintPreview() override;

private:
    const TableView& Live_;
    TableState& Table_;
    PreviewPicture& Target_;
    const PreviewPainter& Painter_;
};

// The preview box of the chooser.
constexpr int PreviewBoxWidth = 256;
constexpr int PreviewBoxHeight = 192;

// Lays out and deals the game (a custom game with its base game's rules)
// into the picture, then puts the live game back exactly as it was; only
// the random generator has moved on, as after any deal.
void PreviewGame(Game& g, int game, PreviewPicture& target, const PreviewPainter& painter);

// The picture for the screen.
QImage ToQImage(const PixelBuffer& picture);

}  // namespace quillo
