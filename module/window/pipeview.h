#ifndef PIPEVIEW_H
#define PIPEVIEW_H

#include <QGraphicsView>

// A display surface for a label canvas: the user edits through the panel, never
// on the view, so it takes no input, no focus and ignores the wheel.
class PipeView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit PipeView(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

#endif
