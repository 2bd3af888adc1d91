#ifndef TERMINATIONWATCHER_H
#define TERMINATIONWATCHER_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (session logout, service stop) into an orderly end of the
// event loop, so the run still ends with its closing steps instead of being cut off.
class TerminationWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    void readSignalSlot();
    static void handleSignal(int signalNumber);

    QSocketNotifier* m_notifier = nullptr;
    static int m_socketPair[2];
};

#endif
