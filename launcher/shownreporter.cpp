#include "shownreporter.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

void ShownReporter::watchIfAsked(QWidget* window)
{
    if (!window || !qEnvironmentVariableIsSet(EnvironmentVariable))
        return;
    new ShownReporter(window);
}

ShownReporter::ShownReporter(QWidget* window) : QObject(qApp), m_window(window)
{
    // Watched on the application: a main window's first paint event may go to its
    // children only, the parts its opaque children cover being left out.
    qApp->installEventFilter(this);
}

bool ShownReporter::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_painted && event->type() == QEvent::Paint && m_window) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == m_window) {
            m_painted = true;
            qApp->removeEventFilter(this);
            // The backing store is flushed to the display after every widget of this
            // repaint has had its paint event; a zero timer runs only after that.
            QTimer::singleShot(0, this, &ShownReporter::reportSlot);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ShownReporter::reportSlot()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf(
        "shown %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}
