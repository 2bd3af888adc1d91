#ifndef GENERICLABELWRITER_H
#define GENERICLABELWRITER_H

#include <QByteArray>
#include <QString>

class MvCanvasModel;
class QIODevice;

// Writes a canvas as a generic label file ("qyld", see docs/qyld-format.md):
// canvas size and colours, then every visible top-level symbol and text item
// in stacking order. Other kinds of item cannot be expressed in the format;
// they are left out with a warning and counted in skippedItemCount().
// Writing never changes the canvas (nor its unsaved-changes flag).
class GenericLabelWriter
{
public:
    explicit GenericLabelWriter(const MvCanvasModel* canvas);

    // The whole file as bytes; empty when there is no canvas.
    QByteArray toBytes();
    // False, with errorString(), when there is no canvas or the device does
    // not take every byte.
    bool write(QIODevice* device);

    QString errorString() const { return m_errorString; }
    int skippedItemCount() const { return m_skipped; }

private:
    const MvCanvasModel* m_canvas;
    QString m_errorString;
    int m_skipped = 0;
};

#endif
