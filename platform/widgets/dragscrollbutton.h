#ifndef DRAGSCROLLBUTTON_H
#define DRAGSCROLLBUTTON_H

#include <QPoint>
#include <QPushButton>

class QAbstractScrollArea;

// A push button for lists of buttons in scrollable areas on a touch screen.
// A finger that lands on the button and then moves further than the
// platform's drag distance scrolls the nearest enclosing QAbstractScrollArea
// with it, and lifting it then does not click. A press without such a move is
// an ordinary click. Without an enclosing scroll area the button behaves like
// a QPushButton.
class DragScrollButton : public QPushButton
{
    Q_OBJECT

public:
    DragScrollButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);
    explicit DragScrollButton(QWidget* parent = nullptr);

    // Makes the button's text fit beside its icon in the button's current
    // width. The font is made smaller, a point at a time, but never below
    // minPointSize points; a text that still does not fit is shortened with an
    // ellipsis and the full text becomes the tool tip. extraMargin is a number
    // of pixels kept free in addition to the style's own margins and the icon
    // (0 for none). Call it after the button has its final width and icon size.
    // The font is changed only when it has to be.
    static void fitButtonText(QPushButton* button, int minPointSize, int extraMargin);

    // True while a press has turned into a scrolling drag.
    bool isDragScrolling() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QAbstractScrollArea* scrollArea() const;

    QPoint m_pressPos;
    QPoint m_lastPos;
    bool m_pressed = false;
    bool m_dragging = false;
};

#endif
