#ifndef ARROWWRAPTESTHELPERS_H
#define ARROWWRAPTESTHELPERS_H

#include "arrowwrap/arrowwrapcontroller.h"
#include "arrowwrap/arrowwrapeditwidget.h"
#include "arrowwrap/arrowwraplabel.h"
#include "arrowwrap/arrowwraprecord.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/symbolitem.h"
#include "files/labelfileheader.h"
#include "widgets/mvlineedit.h"

#include <QBuffer>
#include <QGraphicsItem>
#include <QImage>
#include <QLineEdit>
#include <QtTest>

Q_DECLARE_METATYPE(ArrowWrapLabel)

// The interactive controller with its panel's fields reachable by name.
class TestController : public ArrowWrapController
{
public:
    QString field(const char* name) const
    {
        return editWidget()->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    bool marked(const char* name) const
    {
        return editWidget()->findChild<MvLineEdit*>(QLatin1String(name))->isInvalid();
    }
    // The boxes of the arrows on the canvas, from the left.
    QList<QRectF> arrowBoxes() const
    {
        QList<QRectF> boxes;
        for (const SymbolItem* arrow : arrowItems())
            boxes << arrow->sceneBoundingRect();
        return boxes;
    }
    // Arrow items on the canvas, whatever the list says.
    int sceneArrows() const
    {
        int count = 0;
        for (const QGraphicsItem* item : getCanvas()->items())
            count += item->type() == SymbolItem::Type ? 1 : 0;
        return count;
    }
};

// A label file as the file controller lays it out: the header, an empty preview and
// the record.
inline QByteArray storedFile(const ArrowWrapLabel& label, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    LabelFileHeader::write(stream, path);
    stream << QImage();
    ArrowWrapRecord::write(stream, label);
    return bytes;
}

// The record alone, as a module reads it after the preview.
inline QByteArray recordBytes(const ArrowWrapLabel& label)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    ArrowWrapRecord::write(stream, label);
    return bytes;
}

#endif
