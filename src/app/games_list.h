#pragma once
// The chooser's list: a model showing the rows of the game table in their
// current order, and the delegate that draws level markers and custom marks.

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPixmap>
#include <QStyledItemDelegate>

#include "storage/game_rows.h"

namespace quillo {

// Sections of the list header, each sorting by the table column of the same number.
enum ListSection { SectionGame = 0, SectionLevel = 1, SectionCustom = 2 };

class GamesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GamesModel(GameRowTable& table, QObject* parent = nullptr) : QAbstractTableModel(parent), Table_(&table) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    GameRowTable& Table() { return *Table_; }
    // The table's rows changed (sorted, added, removed): show them again.
    void Reload();

private:
    GameRowTable* Table_;
};

// The list's little pictures: five level markers side by side and the
// custom mark, in a normal and a selected form.
struct ListSprites {
    QPixmap LevelMarker;          // 10 x 10
    QPixmap LevelMarkerSelected;  // drawn on a selected item
    QPixmap CustomMark;           // 12 x 12
    QPixmap CustomMarkSelected;
    static const ListSprites& Get();
};

// Level column: n markers for level n; custom column: the mark for "C".
class LevelDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The list's header (HC_Games).
class GamesHeader : public QHeaderView {
    Q_OBJECT
public:
    // The sort indicator is kept by the header but drawn here: a small
    // embossed triangle after the caption, pointing up for ascending.
    explicit GamesHeader(QWidget* parent = nullptr) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override;
};

// Role of the raw column text (level digit, "C").
constexpr int ColumnTextRole = Qt::UserRole + 1;

}  // namespace quillo
