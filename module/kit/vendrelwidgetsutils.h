#ifndef VENDRELWIDGETSUTILS_H
#define VENDRELWIDGETSUTILS_H

#include <QPoint>

class QWidget;

// Static helpers shared by the three label modules and the main window. Never
// instantiated.
class VendrelWidgetsUtils
{
public:
    VendrelWidgetsUtils() = delete;

    // Slide animations of pop-up frames. The animation runs for AnimationDurationMs,
    // is owned by the widget and deletes itself when it stops.
    static void animatedShow(QWidget* widget, const QPoint& start, const QPoint& end);
    static void animatedHide(QWidget* widget, const QPoint& end);

    static constexpr int AnimationDurationMs = 400;
};

#endif
