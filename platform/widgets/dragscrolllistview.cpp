#include "widgets/dragscrolllistview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

DragScrollListView::DragScrollListView(QWidget* parent) : QListView(parent)
{
    setDragEnabled(false);
    setMovement(QListView::Static);
    // Scroll by pixels so the content follows the finger smoothly.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

bool DragScrollListView::isDragScrolling() const
{
    return m_dragging;
}

void DragScrollListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_dragging = false;
        m_pressPos = event->globalPos();
        m_lastPos = m_pressPos;
    }
    QListView::mousePressEvent(event);
}

void DragScrollListView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed && !m_dragging && (event->buttons() & Qt::LeftButton) &&
        (event->globalPos() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
    }
    if (!m_dragging) {
        QListView::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = m_lastPos - event->globalPos();
    verticalScrollBar()->setValue(verticalScrollBar()->value() + delta.y());
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + delta.x());
    m_lastPos = event->globalPos();
    event->accept();
}

void DragScrollListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        if (m_dragging) {
            // The press was a scroll, not a choice: end the view's press state
            // without the click that the base class would report.
            m_dragging = false;
            setState(NoState);
            event->accept();
            return;
        }
    }
    QListView::mouseReleaseEvent(event);
}
