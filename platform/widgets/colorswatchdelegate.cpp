#include "widgets/colorswatchdelegate.h"

#include <QPainter>

namespace {
const QColor FrameColor(QStringLiteral("#c6c6c6"));
const QColor HighlightColor(QStringLiteral("#fd7800"));
constexpr int RowHeight = 35;
constexpr int Inset = 3;
} // namespace

ColorSwatchDelegate::ColorSwatchDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void ColorSwatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const QColor background = index.data(Qt::BackgroundRole).value<QColor>();
    const QColor foreground = index.data(Qt::ForegroundRole).value<QColor>();
    const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    painter->fillRect(option.rect, Qt::white);
    paintSwatch(painter, option.rect.adjusted(Inset, Inset, -Inset, -Inset),
                index.data(Qt::DisplayRole).toString(), background, foreground, option.font,
                highlighted);
}

QSize ColorSwatchDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height() + 2 * Inset, RowHeight + 2 * Inset));
    return size;
}

void ColorSwatchDelegate::paintSwatch(QPainter* painter, const QRect& rect, const QString& name,
                                      const QColor& background, const QColor& foreground,
                                      const QFont& font, bool highlighted)
{
    painter->save();
    painter->fillRect(rect, background.isValid() ? background : QColor(Qt::white));
    painter->setPen(QPen(highlighted ? HighlightColor : FrameColor, highlighted ? 2 : 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setFont(font);
    painter->setPen(foreground.isValid() ? foreground : QColor(Qt::black));
    painter->drawText(rect.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      painter->fontMetrics().elidedText(name, Qt::ElideRight, rect.width() - 16));
    painter->restore();
}
