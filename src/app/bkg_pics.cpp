#include "bkg_pics.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "game_preview.h"

namespace quillo {

namespace {

std::string WithSeparator(std::string dir)
{
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace

TF_BkgPics::TF_BkgPics(BkgPicsContext ctx, QWidget* parent) : QDialog(parent), Ctx_(std::move(ctx))
{
    setObjectName("F_BkgPics");
    Ctx_.Directory = WithSeparator(Ctx_.Directory);
    const PickerTraits& traits = TraitsOf(Ctx_.Mode);
    setWindowTitle(traits.Caption);

    LV_Thumbs = new QListWidget(this);
    LV_Thumbs->setObjectName("LV_Thumbs");
    LV_Thumbs->setViewMode(QListView::IconMode);
    LV_Thumbs->setResizeMode(QListView::Adjust);
    LV_Thumbs->setMovement(QListView::Static);
    LV_Thumbs->setIconSize(QSize(traits.ThumbWidth, traits.ThumbHeight));
    LV_Thumbs->setGridSize(QSize(traits.ThumbWidth + 40, traits.ThumbHeight + 34));
    LV_Thumbs->setWordWrap(true);
    LV_Thumbs->setSelectionMode(QAbstractItemView::SingleSelection);
    LV_Thumbs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Five decks or four textures side by side, two rows in view.
    const int columns = Ctx_.Mode == PickerMode::Deck ? 5 : 4;
    LV_Thumbs->setMinimumSize(columns * (traits.ThumbWidth + 40) + 24, 2 * (traits.ThumbHeight + 34) + 8);
    if (Ctx_.Mode == PickerMode::Deck) {
        QPalette pal = LV_Thumbs->palette();
        pal.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
        LV_Thumbs->setPalette(pal);
    }
    connect(LV_Thumbs, &QListWidget::itemDoubleClicked, this, [this] { B_OkClick(); });

    B_Ok = new QPushButton("OK", this);
    B_Cancel = new QPushButton("Cancel", this);
    B_Ok->setDefault(true);
    connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
    connect(B_Cancel, &QPushButton::clicked, this, &TF_BkgPics::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(B_Ok);
    buttons->addWidget(B_Cancel);
    auto* main = new QVBoxLayout(this);
    main->addWidget(LV_Thumbs, 1);
    main->addLayout(buttons);

    T_AddItem.setInterval(10);
    connect(&T_AddItem, &QTimer::timeout, this, &TF_BkgPics::T_AddItemTimer);
}

TF_BkgPics::~TF_BkgPics()
{
    T_AddItem.stop();
}

void TF_BkgPics::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Activate();
}

void TF_BkgPics::Activate()
{
    const PickerTraits& traits = TraitsOf(Ctx_.Mode);
    I_Thumb.Create(traits.ThumbWidth, traits.ThumbHeight);
    T_AddItem.stop();
    LV_Thumbs->clear();
    Files_ = Ctx_.Leading;
    const std::vector<PickerEntry> files = ListPickerEntries(Ctx_.Directory, Ctx_.OwnDirectory, Ctx_.Mode);
    Files_.insert(Files_.end(), files.begin(), files.end());
    NextFileIndex = -1;
    T_AddItem.start();
}

void TF_BkgPics::T_AddItemTimer()
{
    ++NextFileIndex;
    if (NextFileIndex >= static_cast<int>(Files_.size())) {
        T_AddItem.stop();
        if (LV_Thumbs->selectedItems().isEmpty()) SelectCurrent();
        return;
    }
    const PickerEntry& entry = Files_[static_cast<size_t>(NextFileIndex)];
    // A file that is not a card set or not a picture gets no thumbnail.
    PixelBuffer loaded;
    if (!Ctx_.LoadPicture || !Ctx_.LoadPicture(entry.Path, loaded) || loaded.Empty()) return;
    I_Load = std::move(loaded);
    BuildThumbnail(I_Load, I_Thumb, Ctx_.Mode);
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(ToQImage(I_Thumb))), QString::fromStdString(entry.Name));
    item->setData(Qt::UserRole, QString::fromStdString(entry.Path));
    LV_Thumbs->addItem(item);
}

void TF_BkgPics::ListAll()
{
    if (!T_AddItem.isActive()) Activate();
    while (T_AddItem.isActive()) T_AddItemTimer();
}

void TF_BkgPics::SelectCurrent()
{
    LV_Thumbs->setFocus();
    const QString current = QString::fromStdString(FileNameOf(Ctx_.CurrentPath));
    const QString currentPath = QString::fromStdString(Ctx_.CurrentPath);
    for (int i = 0; i < LV_Thumbs->count(); ++i) {
        QListWidgetItem* item = LV_Thumbs->item(i);
        if (item->text() != current && item->data(Qt::UserRole).toString() != currentPath) continue;
        LV_Thumbs->setCurrentItem(item);
        item->setSelected(true);
        LV_Thumbs->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        return;
    }
}

bool TF_BkgPics::B_OkClick()
{
    const bool listing = T_AddItem.isActive();
    T_AddItem.stop();
    const QList<QListWidgetItem*> selected = LV_Thumbs->selectedItems();
    if (selected.isEmpty()) {
        if (Ctx_.Message) Ctx_.Message(TraitsOf(Ctx_.Mode).NothingSelected);
        // The dialog stays open, so the rest of the thumbnails still come.
        if (listing) T_AddItem.start();
        return false;
    }
    Picked_ = selected.front()->data(Qt::UserRole).toString().toStdString();
    accept();
    return true;
}

void TF_BkgPics::reject()
{
    T_AddItem.stop();
    QDialog::reject();
}

}  // namespace quillo
