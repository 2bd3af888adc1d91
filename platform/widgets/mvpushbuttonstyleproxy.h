#ifndef MVPUSHBUTTONSTYLEPROXY_H
#define MVPUSHBUTTONSTYLEPROXY_H

#include <QProxyStyle>

// The look of tab-like push buttons (a row of checkable buttons that switch
// between pages of a panel):
// - no focus rectangle: on a touch screen it only marks the last tap;
// - a button with both an icon and a text shows the icon centred above the
//   text, and its size hint makes room for both;
// - a checked button carries a 3 px orange (#fd7800) bar along its bottom
//   edge, so the current page reads at a glance even in a flat button.
// Everything else is drawn by the base style. Like any QProxyStyle it takes
// ownership of the base style it is given (nullptr: the application style).
// QWidget::setStyle does not take ownership of the proxy, so give it a parent
// (for example the panel) or keep one for all buttons.
class MvPushButtonStyleProxy : public QProxyStyle
{
    Q_OBJECT

public:
    explicit MvPushButtonStyleProxy(QStyle* style = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

#endif
