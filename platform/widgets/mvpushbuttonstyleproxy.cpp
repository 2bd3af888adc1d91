#include "widgets/mvpushbuttonstyleproxy.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

namespace {
const QColor AccentColor(QStringLiteral("#fd7800"));
constexpr int AccentHeight = 3;
constexpr int IconTextGap = 4;

bool stacksIconAboveText(const QStyleOptionButton* button)
{
    return button && !button->icon.isNull() && !button->text.isEmpty();
}
} // namespace

MvPushButtonStyleProxy::MvPushButtonStyleProxy(QStyle* style) : QProxyStyle(style) {}

void MvPushButtonStyleProxy::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                           QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void MvPushButtonStyleProxy::drawControl(ControlElement element, const QStyleOption* option,
                                         QPainter* painter, const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButtonLabel && stacksIconAboveText(button)) {
        const QRect area = button->rect.adjusted(2, 2, -2, -2);
        const QSize iconSize = button->iconSize;
        const int textHeight = button->fontMetrics.height();
        const int top = area.top() +
                        qMax(0, (area.height() - iconSize.height() - IconTextGap - textHeight) / 2);
        const QIcon::Mode mode = !(button->state & State_Enabled)    ? QIcon::Disabled
                                 : (button->state & State_MouseOver) ? QIcon::Active
                                                                     : QIcon::Normal;
        const QIcon::State state = (button->state & State_On) ? QIcon::On : QIcon::Off;
        const QPixmap pixmap = button->icon.pixmap(iconSize, mode, state);
        const QSize shown = pixmap.size() / pixmap.devicePixelRatioF();
        painter->drawPixmap(
            QRect(QPoint(area.left() + (area.width() - shown.width()) / 2, top), shown), pixmap);
        const QRect textRect(area.left(), top + iconSize.height() + IconTextGap, area.width(),
                             textHeight);
        const QString text =
            button->fontMetrics.elidedText(button->text, Qt::ElideRight, textRect.width());
        proxy()->drawItemText(painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic,
                              button->palette, button->state & State_Enabled, text,
                              QPalette::ButtonText);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButtonBevel && button && (button->state & State_On)) {
        painter->fillRect(QRect(button->rect.left(), button->rect.bottom() - AccentHeight + 1,
                                button->rect.width(), AccentHeight),
                          AccentColor);
    }
}

QSize MvPushButtonStyleProxy::sizeFromContents(ContentsType type, const QStyleOption* option,
                                               const QSize& size, const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (type == CT_PushButton && stacksIconAboveText(button)) {
        const QSize text = button->fontMetrics.size(Qt::TextShowMnemonic, button->text);
        const QSize contents(qMax(text.width(), button->iconSize.width()),
                             button->iconSize.height() + IconTextGap + text.height());
        // Let the base style add its own margins and frame around the
        // stacked contents.
        QStyleOptionButton plain(*button);
        plain.icon = QIcon();
        plain.text.clear();
        return QProxyStyle::sizeFromContents(type, &plain, contents + QSize(4, 4), widget)
            .expandedTo(contents + QSize(8, 8));
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}
