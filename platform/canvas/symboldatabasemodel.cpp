#include "canvas/symboldatabasemodel.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QPixmap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
// The format version this reader understands (PRAGMA user_version).
constexpr int SupportedFormat = 1;

QAtomicInt connectionCounter;
} // namespace

SymbolDatabaseModel::SymbolDatabaseModel(QObject* parent)
    : QStandardItemModel(parent),
      m_connectionName(
          QStringLiteral("SymbolDatabaseModel-%1").arg(connectionCounter.fetchAndAddOrdered(1)))
{
}

SymbolDatabaseModel::~SymbolDatabaseModel()
{
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool SymbolDatabaseModel::setDatabasePath(const QString& path)
{
    clear();
    m_rowOfId.clear();
    m_path = path;

    if (!QFileInfo(path).isFile()) {
        qWarning("SymbolDatabaseModel: no symbol database at \"%s\"", qUtf8Printable(path));
        return false;
    }
    const bool loaded = loadSymbols();
    if (!loaded) {
        clear();
        m_rowOfId.clear();
    }
    return loaded;
}

bool SymbolDatabaseModel::loadSymbols()
{
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::contains(m_connectionName)
                ? QSqlDatabase::database(m_connectionName, false)
                : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            qCritical("SymbolDatabaseModel: cannot open \"%s\": %s", qUtf8Printable(m_path),
                      qUtf8Printable(db.lastError().text()));
            return false;
        }

        QSqlQuery version(db);
        if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
            qCritical("SymbolDatabaseModel: \"%s\" is not a symbol database: %s",
                      qUtf8Printable(m_path), qUtf8Printable(version.lastError().text()));
            db.close();
            return false;
        }
        const int format = version.value(0).toInt();
        version.finish();
        if (format != SupportedFormat) {
            qCritical("SymbolDatabaseModel: \"%s\" has symbol database format %d, expected %d",
                      qUtf8Printable(m_path), format, SupportedFormat);
            db.close();
            return false;
        }

        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT id, name, category, selectable, svg, icon "
                                       "FROM symbols ORDER BY id"))) {
            qCritical("SymbolDatabaseModel: cannot read the symbols of \"%s\": %s",
                      qUtf8Printable(m_path), qUtf8Printable(query.lastError().text()));
            db.close();
            return false;
        }
        ok = true;
        while (query.next()) {
            const int id = query.value(0).toInt();
            const QByteArray iconData = query.value(5).toByteArray();
            QPixmap pixmap;
            pixmap.loadFromData(iconData, "PNG");

            auto* item = new QStandardItem;
            item->setEditable(false);
            item->setData(pixmap.isNull() ? QIcon() : QIcon(pixmap), Qt::DecorationRole);
            item->setData(query.value(1).toString(), Qt::ToolTipRole);
            item->setData(query.value(4).toByteArray(), SymbolDataRole);
            item->setData(query.value(3).toInt() != 0 ? id : -1, SelectableRole);
            item->setData(id, SymbolIdRole);
            item->setData(query.value(2).toString(), CategoryRole);
            item->setData(iconData, IconDataRole);
            m_rowOfId.insert(id, rowCount());
            appendRow(item);
        }
        if (query.lastError().isValid()) {
            qCritical("SymbolDatabaseModel: reading \"%s\" stopped: %s", qUtf8Printable(m_path),
                      qUtf8Printable(query.lastError().text()));
            ok = false;
        }
        query.finish();
        db.close();
    }
    return ok;
}

QList<QStandardItem*> SymbolDatabaseModel::getItemsByCategory(QString category,
                                                              bool includeUnselectable) const
{
    QList<QStandardItem*> result;
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem* entry = item(row);
        if (!category.isEmpty() && entry->data(CategoryRole).toString() != category)
            continue;
        if (!includeUnselectable && entry->data(SelectableRole).toInt() < 0)
            continue;
        result.append(entry->clone());
    }
    return result;
}

QStandardItem* SymbolDatabaseModel::getItemFromSymbolId(int id) const
{
    const QStandardItem* entry = itemForId(id);
    return entry ? entry->clone() : nullptr;
}

QByteArray SymbolDatabaseModel::getDataFromSymbolId(int id) const
{
    const QStandardItem* entry = itemForId(id);
    return entry ? entry->data(SymbolDataRole).toByteArray() : QByteArray();
}

QIcon SymbolDatabaseModel::getIconFromSymbolId(int id) const
{
    const QStandardItem* entry = itemForId(id);
    return entry ? entry->data(Qt::DecorationRole).value<QIcon>() : QIcon();
}

QByteArray SymbolDatabaseModel::getIconDataFromSymbolId(int id) const
{
    const QStandardItem* entry = itemForId(id);
    return entry ? entry->data(IconDataRole).toByteArray() : QByteArray();
}

QString SymbolDatabaseModel::getNameFromSymbolId(int id) const
{
    const QStandardItem* entry = itemForId(id);
    return entry ? entry->data(Qt::ToolTipRole).toString() : QString();
}

QStandardItem* SymbolDatabaseModel::itemForId(int id) const
{
    const auto it = m_rowOfId.constFind(id);
    return it == m_rowOfId.constEnd() ? nullptr : item(it.value());
}
