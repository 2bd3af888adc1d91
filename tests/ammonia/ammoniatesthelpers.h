#ifndef AMMONIATESTHELPERS_H
#define AMMONIATESTHELPERS_H

#include "ammonia/ammoniacontroller.h"
#include "ammonia/ammoniaeditwidget.h"
#include "ammonia/ammonialabel.h"
#include "ammonia/ammonialists.h"
#include "ammonia/ammoniarecord.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "files/labelfileheader.h"
#include "files/pipefilecontroller.h"

#include <QBuffer>
#include <QFile>
#include <QGraphicsItem>
#include <QImage>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QtTest>

Q_DECLARE_METATYPE(AmmoniaLabel)

// The interactive controller with its items reachable.
class TestController : public AmmoniaController
{
public:
    using AmmoniaController::m_arrowWidth;
    using AmmoniaController::m_bandWidth;
    using AmmoniaController::m_componentText;
    using AmmoniaController::m_fontHeight;
    using AmmoniaController::m_labelHeight;
    using AmmoniaController::m_labelLength;
    using AmmoniaController::m_leftArrow;
    using AmmoniaController::m_liqState;
    using AmmoniaController::m_pipeText;
    using AmmoniaController::m_pressure;
    using AmmoniaController::m_rightArrow;
    using AmmoniaController::m_vapState;

    QString field(const char* name) const
    {
        return m_editWidget->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
};

// A label file as the file controller lays it out, the record written by
// AmmoniaRecord after an empty preview.
inline QByteArray storedFile(const AmmoniaLabel& label, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    LabelFileHeader::write(stream, path);
    stream << QImage();
    AmmoniaRecord::write(stream, label);
    return bytes;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool openWith(IVendrelInterface* module, const QString& path)
{
    PipeFileController files;
    files.setContentModule(module);
    return files.loadTemplateFromFile(path, false);
}

inline bool saveWith(IVendrelInterface* module, const QString& path)
{
    PipeFileController files;
    files.setContentModule(module);
    return files.saveTemplateToFile(path);
}

// What an item of a label looks like: its id, whether it shows and, when it does,
// its box on the canvas (rounded to a hundredth of a point) and its text.
inline QStringList itemGeometry(MvCanvasModel* canvas)
{
    QStringList items;
    for (QGraphicsItem* item : canvas->items(Qt::AscendingOrder)) {
        const auto* canvasItem = dynamic_cast<const Item*>(item);
        if (!item->isVisible()) {
            items << QStringLiteral("%1 hidden").arg(canvasItem ? canvasItem->itemId() : 0);
            continue;
        }
        const QRectF box = item->sceneBoundingRect();
        QString text;
        if (const auto* simple = dynamic_cast<const SimpleTextItem*>(item))
            text = simple->toPlainText();
        items << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(canvasItem ? canvasItem->itemId() : 0)
                     .arg(box.x(), 0, 'f', 2)
                     .arg(box.y(), 0, 'f', 2)
                     .arg(box.width(), 0, 'f', 2)
                     .arg(box.height(), 0, 'f', 2)
                     .arg(text);
    }
    items << QStringLiteral("canvas %1 x %2")
                 .arg(canvas->getCanvasSize().width(), 0, 'f', 2)
                 .arg(canvas->getCanvasSize().height(), 0, 'f', 2);
    return items;
}

#endif
