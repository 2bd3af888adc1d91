#ifndef DRAGSCROLLLISTVIEW_H
#define DRAGSCROLLLISTVIEW_H

#include <QListView>
#include <QPoint>

// A list view for touch screens: dragging a finger across the items scrolls
// the list, and a tap still selects an item and emits clicked() and
// activated() as in any list view. A press turns into a drag once it has
// moved further than the platform's drag distance; such a drag never emits
// clicked(). Items are not dragged out of the view.
class DragScrollListView : public QListView
{
    Q_OBJECT

public:
    explicit DragScrollListView(QWidget* parent = nullptr);

    // True while a press has turned into a scrolling drag.
    bool isDragScrolling() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint m_pressPos;
    QPoint m_lastPos;
    bool m_pressed = false;
    bool m_dragging = false;
};

#endif
