// The main window's side of the table: pictures, effects, the celebration.

#include <QAction>
#include <QPushButton>
#include <QThread>

#include "engine/deal.h"
#include "engine/labels.h"
#include "engine/setup.h"
#include "engine/undo.h"
#include "field_widget.h"
#include "main_window.h"
#include "engine/layout_cards.h"

namespace quillo {

void F_Main::ResizeField(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    I_Field->setFixedSize(I_Field->ToWidget(width), I_Field->ToWidget(height));
    if (Field_->Width() != width || Field_->Height() != height) Field_->Resize(width, height);
}

void F_Main::PaintBackgrounds()
{
    Field_->DrawBackground(Field_->I_StoreScr);
    Field_->DrawBackground(Field_->I_Field);
    I_Field->Invalidate(FieldRect::Of(0, 0, Field_->Width(), Field_->Height()));
}

void F_Main::RelayoutTable()
{
    PaintBackgrounds();
    RelayoutGame(Game_);
    setWindowTitle(QString::fromStdString(DealCaption(Game_.T)));
    RelayoutCards();
}

void F_Main::RelayoutCards()
{
    TableState& t = Game_.T;
    LayOutCards(t);
    Field_->DrawField(t);
    // Undo and Redo must bring cards back to the new layout's places.
    TableState scratch = t;
    Game_.Undo.EditAll([&](UndoSnapshot& s) {
        ReadSnapshot(s, scratch);
        for (int p = 0; p < std::clamp(t.Rules.PileCount, 0, MaxPiles); ++p) {
            Pile& pile = scratch.PileAt(p);
            const Pile& now = t.PileAt(p);
            pile.X = now.X;
            pile.Y = now.Y;
            pile.FanX = now.FanX;
            pile.FanY = now.FanY;
            pile.DownFanX = now.DownFanX;
            pile.DownFanY = now.DownFanY;
        }
        LayOutCards(scratch);
        WriteSnapshot(scratch, s);
    });
}

void F_Main::RedrawField()
{
    Field_->DrawField(Game_.T);
}

void F_Main::SetUndoEnabled(bool enabled)
{
    MI_GameUndo->setEnabled(enabled);
}

void F_Main::SetRedoEnabled(bool enabled)
{
    MI_GameRedo->setEnabled(enabled);
}

void F_Main::ShowMove(const MoveShow& move)
{
    quillo::ShowMove(*Field_, Game_.T, move, Game_.T.Opt.Animation, Drag_.StoreReady());
    Drag_.Reset();
}

void F_Main::DragStarted()
{
    Drag_.Start(*Field_, Game_.T);
}

void F_Main::PickedGroupChanged()
{
    Drag_.GroupChanged(*Field_, Game_.T);
}

void F_Main::StartCelebration()
{
    B_Deal->hide();
    if (!Game_.T.Opt.Animation) {
        CountWin();
        DealNext();
        return;
    }
    Celebration_.Start(*Field_, Game_.T);
    T_Finish.start();
}

void F_Main::T_FinishTimer()
{
    if (!Celebration_.Tick(*Field_, Game_.T)) return;
    T_Finish.stop();
    I_Field->RepaintNow();
    CountWin();
    DealNext();
}

void F_Main::FinishCelebration()
{
    T_Finish.stop();
    Celebration_.Stop();
    CountWin();
    DealNext();
}

void F_Main::CountWin()
{
    // A deal Solve finished is the program's win, not the player's.
    if (SolvedByProgram_) return;
    if (OnGameWon) OnGameWon();
    if (ShowWinForm) ShowWinForm();
}

}  // namespace quillo
