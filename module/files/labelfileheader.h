#ifndef LABELFILEHEADER_H
#define LABELFILEHEADER_H

#include "files/labelfileresult.h"

#include <QString>
#include <QStringList>

class QDataStream;

// The container header of a label file: the magic byte, the encoded format (the
// file name's own suffix, one byte a character) and a qint32 terminator, then the
// preview image that begins every module record. The reader of a file knows the
// format's length only from the name of the file it opens.
class LabelFileHeader
{
public:
    LabelFileHeader() = delete;

    static constexpr quint8 MagicNumber = 0x89;
    // Every label file stores a 256 x 256 preview; anything claiming far more is
    // damaged or hostile and is refused.
    static constexpr quint32 LargestPreviewSide = 4096;

    // A character outside Latin-1 is written as 0.
    static void write(QDataStream& stream, const QString& path);

    // Reads the header of the file at path and checks it: the format, lower-cased,
    // must be one of knownFormats. The terminator is read and not looked at.
    static LabelFileResult read(QDataStream& stream, const QString& path,
                                const QStringList& knownFormats);

    // Drops the preview. It is stored as Qt writes images: a qint32 marker (0 for
    // none, anything else for an image), then a PNG, whose chunks are walked rather than decoded:
    // nothing is allocated for it, and a broken one is found without the decoder's noise.
    static LabelFileResult skipPreview(QDataStream& stream);
};

#endif
