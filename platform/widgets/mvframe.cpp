#include "widgets/mvframe.h"

#include <QFocusEvent>

MvFrame::MvFrame(QWidget* parent) : QFrame(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    // Lets a style sheet that names the frame paint its background.
    setAttribute(Qt::WA_StyledBackground, true);
}

void MvFrame::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    emit focusLost();
}
