#ifndef TOOLBOX_H
#define TOOLBOX_H

#include <QScrollArea>

// The column of command buttons beside the canvas: a frameless scroll area
// on the window's own background. Buttons inside it that are DragScrollButtons
// scroll it when dragged, so a column taller than the screen stays usable
// without scroll bars.
class ToolBox : public QScrollArea
{
    Q_OBJECT

public:
    explicit ToolBox(QWidget* parent = nullptr);
};

#endif
