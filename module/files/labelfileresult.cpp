#include "files/labelfileresult.h"

namespace {
// The format comes from the file, which may hold any byte: a line break would split
// the log line and the renderer's one-line answer, and an escape sequence would
// reach the terminal. Everything but printable ASCII is written as an escape.
QString escaped(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code == '\\')
            result += QStringLiteral("\\\\");
        else if (code == '\n')
            result += QStringLiteral("\\n");
        else if (code == '\r')
            result += QStringLiteral("\\r");
        else if (code == '\t')
            result += QStringLiteral("\\t");
        else if (code >= 0x20 && code < 0x7f)
            result += c;
        else
            result += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
    }
    return result;
}
} // namespace

LabelFileResult::LabelFileResult(Status status, const QString& reason)
    : m_status(status), m_reason(reason)
{
}

LabelFileResult LabelFileResult::badMagic(quint8 firstByte)
{
    return LabelFileResult(
        BadMagic,
        QStringLiteral("Invalid magic number: %1").arg(QString::number(firstByte, 16).toUpper()));
}

LabelFileResult LabelFileResult::unknownFormat(const QString& format)
{
    // The log is written through a C string, which ends at the first zero byte of a
    // format cut short; the reason says what the log says.
    const int end = format.indexOf(QChar(0));
    return LabelFileResult(UnknownFormat, QStringLiteral("Invalid encoded format: %1")
                                              .arg(escaped(end < 0 ? format : format.left(end))));
}

LabelFileResult LabelFileResult::oversizedPreview()
{
    return LabelFileResult(OversizedPreview, QStringLiteral("Damaged record"));
}

LabelFileResult LabelFileResult::damagedPreview()
{
    return LabelFileResult(DamagedPreview, QStringLiteral("Damaged record"));
}

LabelFileResult LabelFileResult::damagedRecord()
{
    return LabelFileResult(DamagedRecord, QStringLiteral("Damaged record"));
}

LabelFileResult LabelFileResult::ioError()
{
    return LabelFileResult(IoError, QStringLiteral("Cannot be read"));
}

LabelFileResult LabelFileResult::kindNotSupported()
{
    return LabelFileResult(KindNotSupported,
                           QStringLiteral("Labels of this kind cannot be opened by this version"));
}

bool LabelFileResult::isDamaged() const
{
    return m_status == OversizedPreview || m_status == DamagedPreview || m_status == DamagedRecord;
}

QString LabelFileResult::logText() const
{
    if (m_status == Ok || m_status == IoError || m_status == KindNotSupported)
        return QString();
    return QStringLiteral("Error loading file: ") + m_reason;
}
