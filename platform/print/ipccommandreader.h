#ifndef IPCCOMMANDREADER_H
#define IPCCOMMANDREADER_H

#include <QByteArray>
#include <QList>
#include <QString>

// Cuts what a client sends into one-line commands. Bytes arrive in any pieces; a
// line ends at '\n' (a '\r' before it is dropped). Whatever cannot be a command
// is reported and dropped without growing: a line longer than MaxLineLength is
// thrown away up to its end, and a line with bytes outside printable ASCII is an
// unknown command.
class IpcCommandReader
{
public:
    static constexpr int MaxLineLength = 256;

    struct Command
    {
        enum Kind
        {
            Unknown,
            Help,
            Print,
            Close,
            QueueClear
        };
        Kind kind = Unknown;
        // QueueClear: the number given.
        int argument = 0;
        // The line as received (printable bytes only, bounded), for the log.
        QString text;
    };

    // Takes the next bytes; returns the commands they complete.
    QList<Command> feed(const QByteArray& bytes);
    // Bytes held of a line not yet ended; never more than MaxLineLength.
    int pending() const { return m_line.size(); }

    static Command parse(const QByteArray& line);

private:
    QByteArray m_line;
    bool m_skippingLongLine = false;
};

#endif
