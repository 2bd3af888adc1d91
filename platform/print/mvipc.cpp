#include "print/mvipc.h"

#include "print/ipccommandreader.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>

#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(ipcLog, "vendrel.ipc")

// Whether the peer of a connected local socket runs as this user.
bool sameUser(QLocalSocket* socket)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (getsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials,
                   &length) != 0)
        return false;
    return credentials.uid == getuid();
}
} // namespace

MvIPC::MvIPC(QObject* parent) : QObject(parent) {}

MvIPC::~MvIPC()
{
    qDeleteAll(m_readers);
}

QString MvIPC::socketPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/morvantic-vendrel.sock");
}

bool MvIPC::isListening() const
{
    return m_server && m_server->isListening();
}

bool MvIPC::listen()
{
    if (isListening())
        return true;
    const QString path = socketPath();
    if (QFile::exists(path)) {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(200)) {
            qCWarning(ipcLog) << "another editor answers on" << path;
            return false;
        }
        QLocalServer::removeServer(path);
    }
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &MvIPC::newConnectionSlot);
    }
    if (!m_server->listen(path)) {
        qCWarning(ipcLog) << "cannot listen on" << path << m_server->errorString();
        return false;
    }
    return true;
}

void MvIPC::newConnectionSlot()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (!sameUser(socket)) {
            qCWarning(ipcLog) << "refused a client of another user";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_readers.insert(socket, new IpcCommandReader);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readSlot(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            delete m_readers.take(socket);
            socket->deleteLater();
        });
    }
}

void MvIPC::readSlot(QLocalSocket* socket)
{
    IpcCommandReader* reader = m_readers.value(socket);
    if (!reader)
        return;
    // Read what is there in bounded pieces; a flood is cut off below.
    while (socket->bytesAvailable() > 0) {
        const QByteArray bytes = socket->read(MaxPendingBytes);
        QByteArray answer;
        int ignored = 0;
        for (const IpcCommandReader::Command& command : reader->feed(bytes)) {
            switch (command.kind) {
            case IpcCommandReader::Command::Help:
                emit HelpButton();
                break;
            case IpcCommandReader::Command::Print:
                emit PrintButton();
                break;
            case IpcCommandReader::Command::Close:
                emit CloseApplicationSignal();
                break;
            case IpcCommandReader::Command::QueueClear:
                emit PrintQueueClear(command.argument);
                break;
            case IpcCommandReader::Command::Unknown:
                qCWarning(ipcLog) << "ignored command" << command.text;
                ++ignored;
                answer += "ignored\n";
                continue;
            }
            answer += "ok\n";
        }
        // The receivers above may have closed the connection or quit.
        if (!m_readers.contains(socket) || socket->state() != QLocalSocket::ConnectedState)
            return;
        if (!answer.isEmpty())
            socket->write(answer);
        // A client that only sends what cannot be read is not served further.
        if (ignored > 16) {
            qCWarning(ipcLog) << "cut off a client sending garbage";
            socket->abort();
            return;
        }
    }
}
