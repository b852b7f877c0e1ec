#pragma once
// The file picker (F_BkgPics): thumbnails of every card set or background
// texture in a directory, one added per timer tick, for choosing a deck or a
// texture.

#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "presentation/pixel_buffer.h"
#include "thumbnails.h"

class QListWidget;
class QPushButton;

namespace quillo {

struct BkgPicsContext {
    PickerMode Mode = PickerMode::Deck;
    std::string Directory;     // the shipped files, with or without a trailing separator
    std::string OwnDirectory;  // the player's own files, listed too; may be empty
    std::string CurrentPath;  // DeckPath or TexturePath, selected once listed
    // Reads a card set's preview picture, or a texture, into the buffer.
    std::function<bool(const std::string&, PixelBuffer&)> LoadPicture;
    std::function<void(const QString&)> Message;
    // Listed before the files: sets drawn by the program, not read from a file.
    std::vector<PickerEntry> Leading;
};

class TF_BkgPics : public QDialog {
    Q_OBJECT
public:
    explicit TF_BkgPics(BkgPicsContext ctx, QWidget* parent = nullptr);
    ~TF_BkgPics() override;

    // Restarts the listing: clears the list and starts the timer.
    void Activate();
    // One file per tick.
    void T_AddItemTimer();
    bool B_OkClick();
    // PickedDeck or PickedTexture: the chosen file's path.
    const std::string& Picked() const { return Picked_; }
    bool Listing() const { return T_AddItem.isActive(); }
    // Ticks until the listing is done (tests and start-up measurements).
    void ListAll();
    // Cancel and Escape stop the listing first.
    void reject() override;

    QListWidget* LV_Thumbs = nullptr;
    QPushButton* B_Ok = nullptr;
    QPushButton* B_Cancel = nullptr;
    QTimer T_AddItem;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void SelectCurrent();

    BkgPicsContext Ctx_;
    std::vector<PickerEntry> Files_;
    int NextFileIndex = -1;
    PixelBuffer I_Load;
    PixelBuffer I_Thumb;
    std::string Picked_;
};

}  // namespace quillo
