// The Customize dialog: controls from the live rules, checks on OK, then the
// custom game is stored and dealt.

#include "customize_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "storage/custom_games.h"
#include "storage/game_rows.h"

namespace quillo {

RadioGroupBox::RadioGroupBox(const QString& caption, const RadioChoice& choice, std::vector<RulePicture> pictures,
                             QWidget* parent)
    : QWidget(parent), Choice_(&choice), Pictures_(std::move(pictures))
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Box_ = new QGroupBox(caption, this);
    auto* items = new QVBoxLayout(Box_);
    Buttons_ = new QButtonGroup(this);
    for (size_t i = 0; i < choice.Captions.size(); ++i) {
        auto* b = new QRadioButton(QString::fromStdString(choice.Captions[i]), Box_);
        Buttons_->addButton(b, static_cast<int>(i));
        items->addWidget(b);
    }
    items->addStretch(1);
    outer->addWidget(Box_, 1);
    if (Pictures_.empty()) {
        // Keeps the group as wide as its neighbours that have a picture.
        outer->addSpacing(RulePictureWidth + 2 + outer->spacing());
    } else {
        Picture_ = new QLabel(this);
        Picture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Picture_->setLineWidth(1);
        Picture_->setFixedSize(RulePictureWidth + 2, RulePictureHeight + 2);
        outer->addWidget(Picture_, 0, Qt::AlignVCenter);
    }
    connect(Buttons_, &QButtonGroup::idClicked, this, [this] {
        UpdatePicture();
        emit Clicked();
    });
}

int RadioGroupBox::ItemIndex() const
{
    return Buttons_->checkedId();
}

void RadioGroupBox::SetItemIndex(int item)
{
    if (item < 0) {
        // An exclusive group cannot uncheck its last button by itself.
        Buttons_->setExclusive(false);
        for (QAbstractButton* b : Buttons_->buttons()) b->setChecked(false);
        Buttons_->setExclusive(true);
    } else {
        Buttons_->button(item)->setChecked(true);
    }
    UpdatePicture();
}

void RadioGroupBox::SetEditable(bool on)
{
    Box_->setEnabled(on);
    if (Picture_) Picture_->setEnabled(on);
}

void RadioGroupBox::ClickItem(int item)
{
    Buttons_->button(item)->click();
}

void RadioGroupBox::UpdatePicture()
{
    if (!Picture_) return;
    const int item = ItemIndex();
    Shown_ = item >= 0 && item < static_cast<int>(Pictures_.size()) ? item : -1;
    if (Shown_ < 0)
        Picture_->clear();
    else
        Picture_->setPixmap(DrawRulePicture(Pictures_[static_cast<size_t>(Shown_)]));
}

TF_Customize::TF_Customize(CustomizeContext ctx, QWidget* parent) : QDialog(parent), Ctx_(std::move(ctx))
{
    setObjectName("F_Customize");
    setWindowTitle("Customize Game");
    using P = RulePicture;
    const std::vector<P> consVal{P::ConsValInc, P::ConsValDec, P::ConsValIncDec};
    const std::vector<P> consSuit{P::ConsSuitOne, P::ConsSuitOneColor, P::ConsSuitOpp, P::ConsSuitAny};

    Pages = new QTabWidget(this);

    auto* dealing = new QWidget;
    auto* dl = new QVBoxLayout(dealing);
    RG_GetDeckCardNum = new RadioGroupBox("Deal to waste pile", DeckCardNumChoice(),
                                          {P::GetDeckCardNum1, P::GetDeckCardNum3}, dealing);
    dl->addWidget(RG_GetDeckCardNum);
    dl->addWidget(BarGroup("Reusing the stock", SB_StockRedeals, L_StockRedeals));
    dl->addWidget(BarGroup("Redealing tableaus or reserves", SB_TableRedeals, L_TableRedeals));
    dl->addStretch(1);
    Pages->addTab(dealing, "Dealing");

    auto* tableau = new QWidget;
    auto* tl = new QGridLayout(tableau);
    RG_TableConsVal = new RadioGroupBox("Order of building tableau piles", ConsValChoice(), consVal, tableau);
    RG_TableConsSuit = new RadioGroupBox("Restrictions on tableau sequences", ConsSuitChoice(), consSuit, tableau);
    RG_FillFreeTable = new RadioGroupBox("Filling Empty Spaces", FillFreeTableChoice(), {}, tableau);
    RG_MoveUnit = new RadioGroupBox("Moving several cards", MoveUnitChoice(),
                                    {P::MoveUnitAny, P::MoveUnitLegal, P::MoveUnitNo}, tableau);
    tl->addWidget(RG_TableConsVal, 0, 0);
    tl->addWidget(RG_TableConsSuit, 0, 1);
    tl->addWidget(RG_FillFreeTable, 1, 0);
    tl->addWidget(RG_MoveUnit, 1, 1);
    Pages->addTab(tableau, "Tableau");

    auto* found = new QWidget;
    auto* fl = new QVBoxLayout(found);
    RG_FoundConsVal = new RadioGroupBox("Order of building foundations", ConsValChoice(), consVal, found);
    RG_FoundConsSuit = new RadioGroupBox("Restrictions on foundation sequences", ConsSuitChoice(), consSuit, found);
    CB_FoundTakeCards = new QCheckBox("Take cards from foundations", found);
    fl->addWidget(RG_FoundConsVal);
    fl->addWidget(RG_FoundConsSuit);
    fl->addWidget(CB_FoundTakeCards);
    fl->addStretch(1);
    Pages->addTab(found, "Foundations");

    auto* nameRow = new QHBoxLayout;
    auto* nameCap = new QLabel("Game name:", this);
    E_GameName = new QLineEdit(this);
    E_GameName->setMaxLength(100);
    nameCap->setBuddy(E_GameName);
    nameRow->addWidget(nameCap);
    nameRow->addWidget(E_GameName, 1);

    B_Ok = new QPushButton("OK", this);
    B_Cancel = new QPushButton("Cancel", this);
    B_Ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(B_Ok);
    buttons->addWidget(B_Cancel);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Pages);
    main->addLayout(nameRow);
    main->addLayout(buttons);

    connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
    connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    ShowRules();
    adjustSize();
}

QGroupBox* TF_Customize::BarGroup(const char* caption, QScrollBar*& bar, QLabel*& label)
{
    auto* box = new QGroupBox(caption);
    auto* row = new QHBoxLayout(box);
    bar = new QScrollBar(Qt::Horizontal, box);
    bar->setRange(0, BarMax);
    bar->setPageStep(1);
    bar->setMinimumWidth(220);
    label = new QLabel(box);
    label->setMinimumWidth(70);
    row->addWidget(bar, 1);
    row->addWidget(label);
    QLabel* l = label;
    connect(bar, &QScrollBar::valueChanged, l, [l](int p) { l->setText(QString::fromStdString(BarLabel(p))); });
    return box;
}

void TF_Customize::ShowRules()
{
    const TableState& t = Ctx_.G->T;
    const GameRules& r = t.Rules;

    RG_GetDeckCardNum->SetItemIndex(DeckCardNumChoice().ItemOf(r.GetDeckCardNum));
    RG_GetDeckCardNum->SetEditable(r.EditGetDeckCardNum);
    // Setting the position first, then the label: a stored "not used" has
    // its own text that the position alone would not give.
    SB_StockRedeals->setValue(StockBarPosition(r.StockRedeals));
    L_StockRedeals->setText(QString::fromStdString(StockBarLabel(r.StockRedeals)));
    SB_StockRedeals->setEnabled(r.EditStockRedeals);
    SB_TableRedeals->setValue(TableBarPosition(r.TableRedeals));
    L_TableRedeals->setText(QString::fromStdString(TableBarLabel(r.TableRedeals)));
    SB_TableRedeals->setEnabled(r.EditTableRedeals);

    RG_TableConsVal->SetItemIndex(ConsValChoice().ItemOf(r.TableConsVal));
    RG_TableConsVal->SetEditable(r.EditTableConsVal);
    RG_TableConsSuit->SetItemIndex(ConsSuitChoice().ItemOf(r.TableConsSuit));
    RG_TableConsSuit->SetEditable(r.EditTableConsSuit);
    RG_FillFreeTable->SetItemIndex(FillFreeTableChoice().ItemOf(r.FillFreeTable));
    RG_FillFreeTable->SetEditable(r.EditFillFreeTable);
    RG_MoveUnit->SetItemIndex(MoveUnitChoice().ItemOf(r.MoveUnit));
    RG_MoveUnit->SetEditable(r.EditMoveUnit);
    RG_FoundConsVal->SetItemIndex(ConsValChoice().ItemOf(r.FoundConsVal));
    RG_FoundConsVal->SetEditable(r.EditFoundConsVal);
    RG_FoundConsSuit->SetItemIndex(ConsSuitChoice().ItemOf(r.FoundConsSuit));
    RG_FoundConsSuit->SetEditable(r.EditFoundConsSuit);
    CB_FoundTakeCards->setChecked(r.FoundTakeCards);
    CB_FoundTakeCards->setEnabled(r.EditFoundTakeCards);

    if (t.CurrentCustom != -1) {
        E_GameName->setText(QString::fromStdString(t.GameName));
    } else {
        const GameRowTable& rows = *Ctx_.Rows;
        E_GameName->setText(QString::fromStdString(ProposeCustomName(
            t.GameName, [&rows](const std::string& n) { return FindGameByName(rows, n).Found != NameLookup::NotFound; })));
    }
}

void TF_Customize::CopyControlsToRules()
{
    GameRules& r = Ctx_.G->T.Rules;
    // A group with no item selected keeps the field's code.
    auto take = [](const RadioGroupBox* g, auto& field) {
        if (!g->isEnabled() || g->ItemIndex() < 0) return;
        field = static_cast<std::remove_reference_t<decltype(field)>>(g->Choice().ValueOf(g->ItemIndex()));
    };
    if (r.EditGetDeckCardNum) take(RG_GetDeckCardNum, r.GetDeckCardNum);
    if (r.EditStockRedeals) r.StockRedeals = StockRedealsOf(SB_StockRedeals->value());
    if (r.EditTableRedeals) r.TableRedeals = TableRedealsOf(SB_TableRedeals->value());
    if (r.EditTableConsVal) take(RG_TableConsVal, r.TableConsVal);
    if (r.EditTableConsSuit) take(RG_TableConsSuit, r.TableConsSuit);
    if (r.EditFillFreeTable) take(RG_FillFreeTable, r.FillFreeTable);
    if (r.EditMoveUnit) take(RG_MoveUnit, r.MoveUnit);
    if (r.EditFoundConsVal) take(RG_FoundConsVal, r.FoundConsVal);
    if (r.EditFoundConsSuit) take(RG_FoundConsSuit, r.FoundConsSuit);
    if (r.EditFoundTakeCards) r.FoundTakeCards = CB_FoundTakeCards->isChecked();
}

bool TF_Customize::B_OkClick()
{
    Game& g = *Ctx_.G;
    TableState& t = g.T;
    if (t.Rules.EditFillFreeTable && RG_FillFreeTable->ItemIndex() == 1 && t.Rules.StartRank == -1) {
        Ctx_.Error("The starting rank is not set for this game,\n\nso you cannot fill empty tableau with card rank "
                   "below base!");
        return false;
    }

    int32_t key = -1;
    if (t.CurrentCustom != -1) {
        key = t.CurrentCustom;
    } else {
        const QString name = QString::fromStdString(TrimName(E_GameName->text().toStdString()));
        E_GameName->setText(name);
        const NameLookup found = FindGameByName(*Ctx_.Rows, name.toStdString());
        if (found.Found == NameLookup::BuiltIn) {
            Ctx_.Error(name + " is author game and cannot be overwritten" + "\n\n" +
                       "Please enter a new name for the game.");
            return false;
        }
        if (found.Found == NameLookup::Custom) {
            if (!Ctx_.Ask(name + " is already exists. Overwrite it?")) return false;
            key = found.Key;
        }
    }
    if (E_GameName->text().trimmed().isEmpty()) {
        // A custom game without a name could never be told apart in the list.
        Ctx_.Error("Please enter a name for the game.");
        return false;
    }

    const GameRules before = t.Rules;
    CopyControlsToRules();
    int32_t& highest = *Ctx_.HighestCustomKey;
    if (key == -1) key = highest + 1;
    const std::string name = E_GameName->text().toStdString();
    const IoResult saved = SaveCustomGame(Ctx_.CustomGamesPath, *Ctx_.Rows, highest, g, key, name);
    if (!saved.Ok()) {
        // Nothing was stored, so nothing changes: the dialog stays open.
        t.Rules = before;
        Ctx_.Error(QString::fromStdString("Could not write the custom games file " + Ctx_.CustomGamesPath + ": " +
                                          saved.Error + "."));
        return false;
    }

    // A new game's key is the one the file had free, which another copy
    // running at once may have moved on.
    key = t.CurrentCustom;
    t.GameName = name;
    t.ChosenRules = t.Rules;
    highest = std::max(highest, key);
    ApplyRules(t);
    NewDeal(g, DealKind::New);
    accept();
    return true;
}

void TF_Customize::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1 && Ctx_.Help) {
        Ctx_.Help(CustomizeHelpContext);
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace quillo
