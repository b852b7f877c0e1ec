#pragma once
// "Customize Game": the rule parameters of the current game on three pages,
// saved as a custom game and dealt on OK.

#include <QDialog>
#include <functional>
#include <string>

#include "customize_mapping.h"
#include "rule_pictures.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace quillo {

class Game;
class GameRowTable;

// A group box of radio items; item -1 means none selected.
class RadioGroupBox;

// What the dialog works on besides its controls.
struct CustomizeContext {
    Game* G = nullptr;
    GameRowTable* Rows = nullptr;   // the chooser's rows, for names and new rows
    int32_t* HighestCustomKey = nullptr;
    std::string CustomGamesPath;
    // Message boxes titled "Quillotaire"; tests replace them.
    std::function<void(const QString&)> Error;
    std::function<bool(const QString&)> Ask;
    // Opens the help file at a help context.
    std::function<void(int)> Help;
};

constexpr int CustomizeHelpContext = 700;

class TF_Customize : public QDialog {
    Q_OBJECT
public:
    explicit TF_Customize(CustomizeContext ctx, QWidget* parent = nullptr);

    QTabWidget* Pages = nullptr;
    RadioGroupBox* RG_GetDeckCardNum = nullptr;
    QScrollBar* SB_StockRedeals = nullptr;
    QLabel* L_StockRedeals = nullptr;
    QScrollBar* SB_TableRedeals = nullptr;
    QLabel* L_TableRedeals = nullptr;
    RadioGroupBox* RG_TableConsVal = nullptr;
    RadioGroupBox* RG_TableConsSuit = nullptr;
    RadioGroupBox* RG_FillFreeTable = nullptr;
    RadioGroupBox* RG_MoveUnit = nullptr;
    RadioGroupBox* RG_FoundConsVal = nullptr;
    RadioGroupBox* RG_FoundConsSuit = nullptr;
    QCheckBox* CB_FoundTakeCards = nullptr;
    QLineEdit* E_GameName = nullptr;
    QPushButton* B_Ok = nullptr;
    QPushButton* B_Cancel = nullptr;

    // Whether OK went through; false while a refusal keeps the dialog open.
    bool B_OkClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ShowRules();
    void CopyControlsToRules();
    QGroupBox* BarGroup(const char* caption, QScrollBar*& bar, QLabel*& label);

    CustomizeContext Ctx_;
};

// A radio group box with a picture beside the items that follows the choice.
class RadioGroupBox : public QWidget {
    Q_OBJECT
public:
    RadioGroupBox(const QString& caption, const RadioChoice& choice, std::vector<RulePicture> pictures,
                  QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int item);
    void SetEditable(bool on);
    const RadioChoice& Choice() const { return *Choice_; }
    // The picture now shown, -1 for none.
    int PictureIndex() const { return Shown_; }
    // Clicks item i as the player would.
    void ClickItem(int item);

signals:
    void Clicked();

private:
    void UpdatePicture();

    const RadioChoice* Choice_;
    std::vector<RulePicture> Pictures_;
    QGroupBox* Box_ = nullptr;
    QButtonGroup* Buttons_ = nullptr;
    QLabel* Picture_ = nullptr;
    int Shown_ = -1;
};

}  // namespace quillo
