#ifndef SHOWNREPORTER_H
#define SHOWNREPORTER_H

#include <QObject>
#include <QPointer>

class QWidget;

// Tells a start-up benchmark when a window has really reached the screen: once the
// first paint of the window (or of any widget in it) has been drawn and handed to
// the display, it prints one line "shown <nanoseconds>" on stdout, the time read
// from the monotonic clock (std::chrono::steady_clock), which the benchmark compares
// with its own reading taken before it started the program. Off unless the
// environment variable VENDREL_REPORT_SHOWN is set, so an ordinary run never pays
// for it.
class ShownReporter : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* EnvironmentVariable = "VENDREL_REPORT_SHOWN";

    // Watches `window` when the environment asks for it; the reporter lives as long
    // as the application.
    static void watchIfAsked(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ShownReporter(QWidget* window);
    void reportSlot();

    QPointer<QWidget> m_window;
    bool m_painted = false;
};

#endif
