#ifndef COLORSWATCHDELEGATE_H
#define COLORSWATCHDELEGATE_H

#include <QStyledItemDelegate>

// Paints a colour-list entry as a swatch: the whole row in the entry's
// background colour (Qt::BackgroundRole) with its name in the entry's
// foreground colour (Qt::ForegroundRole). The current entry gets an orange
// frame, so that a white swatch on a white list still shows as chosen.
class ColorSwatchDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ColorSwatchDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Shared with the closed combo so both show an entry the same way.
    static void paintSwatch(QPainter* painter, const QRect& rect, const QString& name,
                            const QColor& background, const QColor& foreground, const QFont& font,
                            bool highlighted);
};

#endif
