#include "print/ipccommandreader.h"

namespace {
bool printable(const QByteArray& line)
{
    for (char c : line)
        if (c < 0x20 || c > 0x7e)
            return false;
    return true;
}

QString shown(const QByteArray& line)
{
    QByteArray text;
    for (char c : line.left(64))
        text += (c >= 0x20 && c <= 0x7e) ? c : '?';
    return QString::fromLatin1(text);
}
} // namespace

IpcCommandReader::Command IpcCommandReader::parse(const QByteArray& line)
{
    Command command;
    command.text = shown(line);
    if (!printable(line))
        return command;
    const QList<QByteArray> words = line.simplified().split(' ');
    const QByteArray& verb = words.first();
    if (words.size() == 1) {
        if (verb == "help")
            command.kind = Command::Help;
        else if (verb == "print")
            command.kind = Command::Print;
        else if (verb == "close")
            command.kind = Command::Close;
    } else if (words.size() == 2 && verb == "queue-clear") {
        bool ok = false;
        const int number = words[1].toInt(&ok);
        if (ok && number >= 0) {
            command.kind = Command::QueueClear;
            command.argument = number;
        }
    }
    return command;
}

QList<IpcCommandReader::Command> IpcCommandReader::feed(const QByteArray& bytes)
{
    QList<Command> commands;
    int from = 0;
    while (from < bytes.size()) {
        const int end = bytes.indexOf('\n', from);
        const int stop = end < 0 ? bytes.size() : end;
        if (!m_skippingLongLine) {
            const int room = MaxLineLength - m_line.size();
            const int piece = stop - from;
            if (piece > room) {
                Command tooLong;
                tooLong.text = shown(m_line + bytes.mid(from, qMin(piece, 64)));
                commands << tooLong;
                m_line.clear();
                m_skippingLongLine = true;
            } else {
                m_line.append(bytes.constData() + from, piece);
            }
        }
        if (end < 0)
            break;
        if (!m_skippingLongLine) {
            QByteArray line = m_line;
            if (line.endsWith('\r'))
                line.chop(1);
            if (!line.trimmed().isEmpty())
                commands << parse(line);
        }
        m_line.clear();
        m_skippingLongLine = false;
        from = end + 1;
    }
    return commands;
}
