#include "window/pipeview.h"

#include <QWheelEvent>

PipeView::PipeView(QWidget* parent) : QGraphicsView(parent)
{
    setObjectName(QStringLiteral("PipeView"));
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    setFocusPolicy(Qt::NoFocus);
    setDragMode(QGraphicsView::NoDrag);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                   QPainter::TextAntialiasing);
    setEnabled(false);
}

void PipeView::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}
