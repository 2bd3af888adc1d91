#ifndef MVIPC_H
#define MVIPC_H

#include <QHash>
#include <QObject>
#include <QString>

class IpcCommandReader;
class QLocalServer;
class QLocalSocket;

// The inter-process service: a local socket that other programs of the suite, run
// by the same user, write one-line commands to:
//   help            show the help (HelpButton)
//   print           quick print the current label (PrintButton)
//   close           quit the application (CloseApplicationSignal)
//   queue-clear N   the suite's print queue dropped jobs; N counts them
//                   (PrintQueueClear)
// Each command is answered with "ok" or "ignored". Anything else is logged and
// ignored; a client sending long or binary input is cut off, never waited for.
//
// The socket lives in $XDG_RUNTIME_DIR (else the temporary folder), is readable
// and writable by its user only, and a client of another user is refused.
class MvIPC : public QObject
{
    Q_OBJECT

public:
    explicit MvIPC(QObject* parent = nullptr);
    ~MvIPC() override;

    // Starts listening on socketPath() (a stale socket left by a crash is
    // replaced; one a running editor answers on is not). False when it cannot.
    bool listen();
    bool isListening() const;
    // "morvantic-vendrel.sock" in the runtime folder.
    static QString socketPath();

    // A client that sent this much without a line's end is cut off.
    static constexpr int MaxPendingBytes = 4096;

signals:
    void HelpButton();
    void PrintButton();
    void CloseApplicationSignal();
    void PrintQueueClear(int jobs);

private:
    void newConnectionSlot();
    void readSlot(QLocalSocket* socket);

    QLocalServer* m_server = nullptr;
    QHash<QLocalSocket*, IpcCommandReader*> m_readers;
};

#endif
