#include "vendrelwidgetsutils.h"

#include <QPropertyAnimation>
#include <QWidget>

namespace {

QPropertyAnimation* createSlideAnimation(QWidget* widget, const QPoint& start, const QPoint& end)
{
    auto* animation = new QPropertyAnimation(widget, "pos", widget);
    animation->setDuration(VendrelWidgetsUtils::AnimationDurationMs);
    animation->setStartValue(start);
    animation->setEndValue(end);
    return animation;
}

} // namespace

void VendrelWidgetsUtils::animatedShow(QWidget* widget, const QPoint& start, const QPoint& end)
{
    if (!widget)
        return;
    widget->show();
    createSlideAnimation(widget, start, end)->start(QAbstractAnimation::DeleteWhenStopped);
}

void VendrelWidgetsUtils::animatedHide(QWidget* widget, const QPoint& end)
{
    if (!widget)
        return;
    QPropertyAnimation* animation = createSlideAnimation(widget, widget->pos(), end);
    QObject::connect(animation, &QPropertyAnimation::finished, widget, &QWidget::hide);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
