#include "files/genericlabelwriter.h"

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "files/genericlabelformat.h"

#include <QDataStream>
#include <QIODevice>

namespace {

quint32 argb(const QColor& color)
{
    return color.isValid() ? color.rgba() : 0u;
}

// Length-prefixed bytes. QDataStream's own QByteArray form writes a null
// array differently from an empty one, which would break byte-exact copies.
void writeBytes(QDataStream& out, const QByteArray& bytes)
{
    out << quint32(bytes.size());
    out.writeRawData(bytes.constData(), bytes.size());
}

void prepare(QDataStream& stream)
{
    stream.setVersion(QDataStream::Qt_5_15);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

void writeCommon(QDataStream& out, const QGraphicsItem* graphics, const Item* item, double rotation,
                 const QColor& foreground, const QColor& background)
{
    // Sizes are never negative on a label; the reader refuses what is.
    const QSizeF size = item->getItemSize();
    out << qint16(item->itemId()) << graphics->pos().x() << graphics->pos().y()
        << qMax(0.0, size.width()) << qMax(0.0, size.height()) << rotation << graphics->zValue()
        << argb(foreground) << argb(background);
}

QByteArray symbolBody(const SymbolItem* symbol)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    prepare(out);
    writeCommon(out, symbol, symbol, symbol->itemRotation(), symbol->foregroundColor(),
                symbol->backgroundColor());
    writeBytes(out, symbol->symbolData());
    return body;
}

QByteArray textBody(const SimpleTextItem* text)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    prepare(out);
    writeCommon(out, text, text, text->itemRotation(), text->textColor(), QColor(Qt::transparent));
    writeBytes(out, text->toPlainText().toUtf8());
    writeBytes(out, text->font().family().toUtf8());
    quint8 flags = 0;
    if (text->stretchToFit())
        flags |= GenericLabelFormat::StretchToFit;
    if (text->textStyleFlag())
        flags |= GenericLabelFormat::LabelStyle;
    if (text->isVertical())
        flags |= GenericLabelFormat::Vertical;
    if (text->isTextReadOnly())
        flags |= GenericLabelFormat::ReadOnly;
    out << qint32(text->fontPointSize()) << flags;
    return body;
}

} // namespace

GenericLabelWriter::GenericLabelWriter(const MvCanvasModel* canvas) : m_canvas(canvas) {}

QByteArray GenericLabelWriter::toBytes()
{
    m_skipped = 0;
    if (!m_canvas) {
        m_errorString = QStringLiteral("No label to write");
        return QByteArray();
    }

    QList<QPair<quint8, QByteArray>> records;
    const QList<QGraphicsItem*> items = m_canvas->items(Qt::AscendingOrder);
    for (const QGraphicsItem* item : items) {
        // Children are part of their parent's drawing, hidden items of no
        // printed label.
        if (item->parentItem() || !item->isVisible())
            continue;
        if (const auto* symbol = qgraphicsitem_cast<const SymbolItem*>(item))
            records.append({GenericLabelFormat::SymbolKind, symbolBody(symbol)});
        else if (const auto* text = qgraphicsitem_cast<const SimpleTextItem*>(item))
            records.append({GenericLabelFormat::TextKind, textBody(text)});
        else
            ++m_skipped;
    }
    if (m_skipped > 0)
        qWarning("Generic label: %d item(s) of a kind the format cannot hold were left out",
                 m_skipped);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    prepare(out);
    out.writeRawData(GenericLabelFormat::Signature, sizeof(GenericLabelFormat::Signature));
    const QSizeF size = m_canvas->getCanvasSize();
    out << GenericLabelFormat::Version << size.width() << size.height()
        << argb(m_canvas->canvasBackgroundColor()) << argb(m_canvas->canvasDefaultPenColor())
        << quint32(records.size());
    for (const auto& record : qAsConst(records)) {
        out << record.first;
        writeBytes(out, record.second);
    }
    m_errorString.clear();
    return bytes;
}

bool GenericLabelWriter::write(QIODevice* device)
{
    const QByteArray bytes = toBytes();
    if (bytes.isEmpty())
        return false;
    if (!device || !device->isWritable()) {
        m_errorString = QStringLiteral("The file is not open for writing");
        return false;
    }
    if (device->write(bytes) != bytes.size()) {
        m_errorString = device->errorString();
        return false;
    }
    return true;
}
