#include "files/labelfileheader.h"

#include <QByteArray>
#include <QDataStream>
#include <QFileInfo>
#include <QIODevice>

void LabelFileHeader::write(QDataStream& stream, const QString& path)
{
    stream << static_cast<qint8>(MagicNumber);
    const QString format = QFileInfo(path).suffix();
    for (const QChar c : format)
        stream << static_cast<qint8>(c.unicode() <= 0xff ? c.unicode() : 0);
    stream << static_cast<qint32>(0);
}

LabelFileResult LabelFileHeader::read(QDataStream& stream, const QString& path,
                                      const QStringList& knownFormats)
{
    // A file cut short reads as zeros from there on: an empty file has the magic
    // number 0, a format cut short is unknown.
    qint8 magic = 0;
    stream >> magic;
    if (static_cast<quint8>(magic) != MagicNumber)
        return LabelFileResult::badMagic(static_cast<quint8>(magic));

    const int formatLength = QFileInfo(path).suffix().length();
    QString format;
    for (int i = 0; i < formatLength; ++i) {
        qint8 code = 0;
        stream >> code;
        format += QChar(static_cast<quint8>(code));
    }
    format = format.toLower();
    if (!knownFormats.contains(format))
        return LabelFileResult::unknownFormat(format);

    qint32 terminator = 0;
    stream >> terminator;
    return LabelFileResult();
}

LabelFileResult LabelFileHeader::skipPreview(QDataStream& stream)
{
    qint32 marker = -1;
    stream >> marker;
    if (marker == 0)
        return stream.status() == QDataStream::Ok ? LabelFileResult()
                                                  : LabelFileResult::damagedPreview();
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    QByteArray head(signature.size(), '\0');
    // Qt's own image reader takes any marker but 0 as "an image follows", so do we.
    if (stream.readRawData(head.data(), head.size()) != head.size() || head != signature)
        return LabelFileResult::damagedPreview();
    for (;;) {
        quint32 length = 0;
        QByteArray type(4, '\0');
        stream >> length;
        if (stream.readRawData(type.data(), type.size()) != type.size() ||
            stream.status() != QDataStream::Ok)
            return LabelFileResult::damagedPreview();
        if (type == "IHDR") {
            quint32 width = 0;
            quint32 height = 0;
            stream >> width >> height;
            if (length < 8)
                return LabelFileResult::damagedPreview();
            if (width > LargestPreviewSide || height > LargestPreviewSide)
                return LabelFileResult::oversizedPreview();
            length -= 8;
        }
        const qint64 rest = qint64(length) + 4; // data, then the chunk's CRC
        if (stream.device()->bytesAvailable() < rest || stream.skipRawData(int(rest)) != rest)
            return LabelFileResult::damagedPreview();
        if (type == "IEND")
            return stream.status() == QDataStream::Ok ? LabelFileResult()
                                                      : LabelFileResult::damagedPreview();
    }
}
