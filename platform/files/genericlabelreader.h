#ifndef GENERICLABELREADER_H
#define GENERICLABELREADER_H

#include <QString>

class MvCanvasModel;
class QIODevice;
class QObject;

// Reads a generic label file ("qyld", see docs/qyld-format.md) back onto a
// canvas. The whole file is checked before the canvas is touched: a damaged,
// truncated or foreign file is refused with errorString() and leaves the
// canvas exactly as it was. Item records of a kind this reader does not know
// are skipped with a warning, so files of later writers still open.
class GenericLabelReader
{
public:
    // Replaces the content, size and colours of `canvas` by the file's. The
    // loaded label counts as unchanged.
    bool read(QIODevice* device, MvCanvasModel* canvas);
    // A new canvas (black pen, white background palette, scene limits of
    // 13824) holding the label, owned by `parent`; nullptr on failure.
    MvCanvasModel* readCanvas(QIODevice* device, QObject* parent = nullptr);

    QString errorString() const { return m_errorString; }
    int skippedItemCount() const { return m_skipped; }

private:
    QString m_errorString;
    int m_skipped = 0;
};

#endif
