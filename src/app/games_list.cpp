// The chooser's list model and its level and custom-mark drawing.

#include "games_list.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include "app_icons.h"
#include "engine/catalogue.h"

namespace quillo {

namespace {

constexpr int MarkerSize = 10;
constexpr int MarkerPitch = 11;
constexpr int CustomSize = 12;
constexpr int ItemHeight = 16;
constexpr int SectionInset = 5;

QPixmap DrawMarker(QColor fill, QColor edge)
{
    QPixmap pm(MarkerSize, MarkerSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A diamond, the way difficulty pips are usually shown.
    QPainterPath d;
    d.moveTo(5, 0.5);
    d.lineTo(9.5, 5);
    d.lineTo(5, 9.5);
    d.lineTo(0.5, 5);
    d.closeSubpath();
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawPath(d);
    return pm;
}

QPixmap DrawCustomMark(QColor ink)
{
    QPixmap pm(CustomSize, CustomSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Two sliders: a rule set by the player.
    p.setPen(QPen(ink, 1.2));
    p.drawLine(QPointF(1, 3.5), QPointF(11, 3.5));
    p.drawLine(QPointF(1, 8.5), QPointF(11, 8.5));
    p.setBrush(QColor(230, 120, 20));
    p.setPen(QPen(ink, 1));
    p.drawRect(QRectF(6.5, 1.5, 3, 4));
    p.drawRect(QRectF(2.5, 6.5, 3, 4));
    return pm;
}

}  // namespace

const ListSprites& ListSprites::Get()
{
    static const ListSprites s{DrawMarker(QColor(200, 30, 30), QColor(110, 0, 0)),
                               DrawMarker(QColor(255, 210, 60), Qt::white), DrawCustomMark(QColor(40, 40, 40)),
                               DrawCustomMark(Qt::white)};
    return s;
}

int GamesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Table_->Rows().size());
}

int GamesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant GamesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const GameRow& row = Table_->Rows()[static_cast<size_t>(index.row())];
    const QString text = QString::fromStdString(row.Column(index.column()));
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == SectionGame) return text;
        return {};  // markers are drawn instead
    case Qt::ToolTipRole:
        if (index.column() == SectionLevel) {
            return QString::fromStdString(std::string(LevelName(text.toInt())));
        }
        return {};
    case ColumnTextRole: return text;
    default: return {};
    }
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) {
        if (section == SectionGame) return QString("Game");
        if (section == SectionLevel) return QString("Level");
        return {};
    }
    if (role == Qt::DecorationRole && section == SectionCustom) return MenuIcon(8);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void GamesModel::Reload()
{
    beginResetModel();
    endResetModel();
}

void LevelDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() == SectionGame) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // Background and selection as the style draws them, without text.
    opt.text.clear();
    const QWidget* w = option.widget;
    QStyle* style = w ? w->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, p, w);

    const bool selected = option.state & QStyle::State_Selected;
    const ListSprites& s = ListSprites::Get();
    const QString text = index.data(ColumnTextRole).toString();
    const QRect r = option.rect;
    if (index.column() == SectionLevel) {
        const int n = text.toInt();
        const int y = r.top() + (r.height() - MarkerSize) / 3;
        for (int i = 0; i < n && i < 5; ++i)
            p->drawPixmap(r.left() + SectionInset + i * MarkerPitch, y, selected ? s.LevelMarkerSelected : s.LevelMarker);
    } else if (index.column() == SectionCustom && text == "C") {
        const int y = r.top() + (r.height() - CustomSize) / 3;
        p->drawPixmap(r.left() + SectionInset, y, selected ? s.CustomMarkSelected : s.CustomMark);
    }
}

void GamesHeader::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    QHeaderView::paintSection(p, rect, logicalIndex);
    if (logicalIndex != sortIndicatorSection()) return;
    // The caption's (or the icon's) end, then the triangle 10 pixels to its right,
    // no further right than 25 pixels in from the section's edge.
    int textEnd = rect.left() + 8;
    if (logicalIndex == SectionCustom)
        textEnd += 16;
    else
        textEnd += fontMetrics().horizontalAdvance(model()->headerData(logicalIndex, Qt::Horizontal).toString());
    const int x = std::min(textEnd, rect.right() - 25) + 10;
    const bool up = sortIndicatorOrder() == Qt::AscendingOrder;
    const int bottom = up ? rect.bottom() - 6 : rect.top() + 4 + 8;
    const int top = bottom - 8;
    const QPointF left(x, up ? bottom : top), right(x + 8, up ? bottom : top), tip(x + 4, up ? top : bottom);
    p->save();
    // The base painting leaves the text's clip behind.
    p->setClipRect(rect);
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(Qt::NoPen);
    p->setBrush(palette().color(QPalette::Mid));
    p->drawPolygon(QPolygonF({left, right, tip}));
    // Embossed: the lower-left edges in shadow, the others in light.
    const QColor shadow = palette().color(QPalette::Shadow), light = palette().color(QPalette::Light);
    if (up) {
        p->setPen(shadow);
        p->drawLine(tip, left);
        p->drawLine(left, right);
        p->setPen(light);
        p->drawLine(right, tip);
    } else {
        p->setPen(shadow);
        p->drawLine(left, tip);
        p->setPen(light);
        p->drawLine(tip, right);
        p->drawLine(right, left);
    }
    p->restore();
}

QSize LevelDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), ItemHeight));
    return size;
}

}  // namespace quillo
