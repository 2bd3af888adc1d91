#include "files/genericlabelreader.h"

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "files/genericlabelformat.h"

#include <QDataStream>
#include <QIODevice>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

struct ItemRecord
{
    quint8 kind = 0;
    qint16 id = 0;
    double x = 0, y = 0, width = 0, height = 0, rotation = 0, z = 0;
    quint32 foreground = 0, background = 0;
    QByteArray data; // SVG bytes of a symbol
    QString text;
    QString family;
    qint32 fontSize = 0;
    quint8 flags = 0;
};

struct LabelRecord
{
    double width = 0, height = 0;
    quint32 background = 0, pen = 0;
    QList<ItemRecord> items;
};

// Reads from a byte array with every length checked against what is left,
// so no damaged count can make us allocate or read past the end.
class Parser
{
public:
    explicit Parser(const QByteArray& bytes) : m_bytes(bytes), m_in(bytes)
    {
        m_in.setVersion(QDataStream::Qt_5_15);
        m_in.setByteOrder(QDataStream::BigEndian);
        m_in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    }

    qint64 left() const { return m_bytes.size() - m_in.device()->pos(); }
    bool ok() const { return m_in.status() == QDataStream::Ok; }

    template <typename T> bool get(T& value)
    {
        if (left() < qint64(sizeof(T)))
            return false;
        m_in >> value;
        return ok();
    }
    bool getDouble(double& value, double bound)
    {
        return get(value) && std::isfinite(value) && std::fabs(value) <= bound;
    }
    bool getBytes(QByteArray& bytes)
    {
        quint32 size = 0;
        if (!get(size) || qint64(size) > left())
            return false;
        bytes = m_bytes.mid(int(m_in.device()->pos()), int(size));
        return m_in.skipRawData(int(size)) == int(size);
    }
    bool getRaw(char* target, int size)
    {
        return left() >= size && m_in.readRawData(target, size) == size;
    }
    bool skip(qint64 size) { return left() >= size && m_in.skipRawData(int(size)) == int(size); }

private:
    QByteArray m_bytes;
    QDataStream m_in;
};

bool parseCommon(Parser& in, ItemRecord& item)
{
    using namespace GenericLabelFormat;
    return in.get(item.id) && in.getDouble(item.x, MaxCoordinate) &&
           in.getDouble(item.y, MaxCoordinate) && in.getDouble(item.width, MaxBoxLength) &&
           item.width >= 0 && in.getDouble(item.height, MaxBoxLength) && item.height >= 0 &&
           in.getDouble(item.rotation, MaxCoordinate) && in.getDouble(item.z, MaxCoordinate) &&
           in.get(item.foreground) && in.get(item.background);
}

bool parseBody(const QByteArray& body, ItemRecord& item)
{
    Parser in(body);
    if (!parseCommon(in, item))
        return false;
    if (item.kind == GenericLabelFormat::SymbolKind)
        return in.getBytes(item.data);
    QByteArray text;
    QByteArray family;
    if (!in.getBytes(text) || !in.getBytes(family) || !in.get(item.fontSize) || !in.get(item.flags))
        return false;
    item.text = QString::fromUtf8(text);
    item.family = QString::fromUtf8(family);
    // Anything after the known fields belongs to a later version of the format.
    return item.fontSize >= 1 && item.fontSize <= GenericLabelFormat::MaxFontSize;
}

// Reads the rest of the device into bytes; false when it holds more than limit.
// Only what the device holds is reserved, never the limit: a label file is a
// few kilobytes.
bool readAtMost(QIODevice* device, qint64 limit, QByteArray& bytes)
{
    constexpr qint64 Chunk = 64 * 1024;
    bytes.clear();
    if (!device->isSequential()) {
        const qint64 size = device->size() - device->pos();
        if (size > limit)
            return false;
        bytes.reserve(int(qMax<qint64>(0, size)));
    }
    while (bytes.size() <= limit) {
        const QByteArray chunk = device->read(qMin(Chunk, limit + 1 - bytes.size()));
        if (chunk.isEmpty() && !device->waitForReadyRead(30000))
            break;
        bytes += chunk;
    }
    return bytes.size() <= limit;
}

QGraphicsItem* createItem(const ItemRecord& record)
{
    using namespace GenericLabelFormat;
    if (record.kind == SymbolKind) {
        auto* symbol = new SymbolItem(record.data);
        symbol->setItemId(record.id);
        symbol->setItemSize(record.width, record.height);
        symbol->setItemRotation(record.rotation);
        symbol->setForegroundColor(QColor::fromRgba(record.foreground));
        symbol->setBackgroundColor(QColor::fromRgba(record.background));
        return symbol;
    }
    auto* text = new SimpleTextItem;
    text->setItemId(record.id);
    text->setPlainText(record.text);
    text->setFontFamily(record.family);
    text->setFontPointSize(record.fontSize);
    text->setTextColor(QColor::fromRgba(record.foreground));
    text->setTextStyleFlag(record.flags & LabelStyle);
    text->setVertical(record.flags & Vertical);
    text->setStretchToFit(record.flags & StretchToFit);
    if (record.flags & ReadOnly)
        text->setTextReadOnly();
    else
        text->setTextEditable();
    text->setItemSize(record.width, record.height);
    text->setItemRotation(record.rotation);
    return text;
}

} // namespace

bool GenericLabelReader::read(QIODevice* device, MvCanvasModel* canvas)
{
    using namespace GenericLabelFormat;
    m_skipped = 0;
    if (!canvas) {
        m_errorString = QStringLiteral("No canvas to read the label onto");
        return false;
    }
    if (!device || !device->isReadable()) {
        m_errorString = QStringLiteral("The file is not open for reading");
        return false;
    }
    QByteArray bytes;
    if (!readAtMost(device, MaxFileSize, bytes)) {
        m_errorString = QStringLiteral("The file is too large for a label");
        return false;
    }

    const QString damaged = QStringLiteral("The label file is damaged or incomplete");
    Parser in(bytes);
    char signature[sizeof(Signature)];
    if (!in.getRaw(signature, int(sizeof(Signature))) ||
        std::memcmp(signature, Signature, sizeof(Signature)) != 0) {
        m_errorString = QStringLiteral("Not a generic label file");
        return false;
    }
    quint16 version = 0;
    if (!in.get(version)) {
        m_errorString = damaged;
        return false;
    }
    if (version != Version) {
        m_errorString =
            QStringLiteral("Generic label file version %1 is not supported").arg(version);
        return false;
    }

    LabelRecord label;
    quint32 count = 0;
    if (!in.getDouble(label.width, MaxCanvasLength) || label.width < 0 ||
        !in.getDouble(label.height, MaxCanvasLength) || label.height < 0 ||
        !in.get(label.background) || !in.get(label.pen) || !in.get(count) ||
        qint64(count) > in.left() / 5) { // each record takes at least kind and length
        m_errorString = damaged;
        return false;
    }
    if (count > MaxItemCount) {
        m_errorString = QStringLiteral("The label holds more than %1 items").arg(MaxItemCount);
        return false;
    }
    for (quint32 i = 0; i < count; ++i) {
        ItemRecord item;
        QByteArray body;
        if (!in.get(item.kind) || !in.getBytes(body)) {
            m_errorString = damaged;
            return false;
        }
        if (item.kind != SymbolKind && item.kind != TextKind) {
            ++m_skipped;
            continue;
        }
        if (!parseBody(body, item)) {
            m_errorString = damaged;
            return false;
        }
        label.items.append(item);
    }
    if (in.left() != 0) {
        m_errorString = damaged;
        return false;
    }
    if (m_skipped > 0)
        qWarning("Generic label: skipped %d item(s) of an unknown kind", m_skipped);

    canvas->clearSceneLocal();
    canvas->setCanvasSize(label.width, label.height, true);
    canvas->setCanvasBackgroundColor(QColor::fromRgba(label.background));
    canvas->setCanvasDefaultPenColor(QColor::fromRgba(label.pen));
    for (const ItemRecord& record : qAsConst(label.items)) {
        QGraphicsItem* item = createItem(record);
        item->setPos(record.x, record.y);
        item->setZValue(record.z);
        canvas->addItem(item);
    }
    canvas->updateSceneMap();
    canvas->setCanvasHasChanged(false);
    m_errorString.clear();
    return true;
}

MvCanvasModel* GenericLabelReader::readCanvas(QIODevice* device, QObject* parent)
{
    auto canvas = std::make_unique<MvCanvasModel>(QList<QColor>{Qt::black, Qt::white},
                                                  GenericLabelFormat::MaxCanvasLength,
                                                  GenericLabelFormat::MaxCanvasLength, 0.0, 0.0);
    if (!read(device, canvas.get()))
        return nullptr;
    canvas->setParent(parent);
    return canvas.release();
}
