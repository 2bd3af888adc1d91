#include "kit/arrowsymbols.h"

#include "canvas/symboldatabasemodel.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QStandardItem>
#include <QVariant>

namespace {
QStringList& unavailable()
{
    static QStringList paths;
    return paths;
}

// Never destroyed: a model going at exit would close its database connection after
// Qt's own globals, which the connections need, are gone.
QHash<QString, std::shared_ptr<const SymbolDatabaseModel>>& readDatabases()
{
    static auto* databases = new QHash<QString, std::shared_ptr<const SymbolDatabaseModel>>;
    return *databases;
}
} // namespace

ArrowSymbols::ArrowSymbols(const QString& databasePath) : m_path(databasePath)
{
    m_database = readDatabases().value(databasePath);
    if (m_database) {
        m_open = true;
        return;
    }
    auto database = std::make_shared<SymbolDatabaseModel>();
    m_open = database->setDatabasePath(databasePath);
    m_database = database;
    if (m_open)
        readDatabases().insert(databasePath, m_database);
}

ArrowSymbols::~ArrowSymbols() = default;

QStringList ArrowSymbols::unavailableDatabases()
{
    return unavailable();
}

void ArrowSymbols::noteAsked(int id) const
{
    if (!m_open && id > NoArrowSymbolId && !unavailable().contains(m_path))
        unavailable().append(m_path);
}

bool ArrowSymbols::selectable(int id, Symbol* symbol) const
{
    const std::unique_ptr<QStandardItem> entry(item(id));
    if (!entry || entry->data(SymbolDatabaseModel::SelectableRole).toInt() < 0)
        return false;
    if (symbol) {
        symbol->data = entry->data(SymbolDatabaseModel::SymbolDataRole).toByteArray();
        const QVariant decoration = entry->data(Qt::DecorationRole);
        symbol->icon = decoration.canConvert<QIcon>() ? decoration.value<QIcon>() : QIcon();
        symbol->name = entry->data(Qt::ToolTipRole).toString();
    }
    return true;
}

QByteArray ArrowSymbols::data(int id) const
{
    noteAsked(id);
    return m_database->getDataFromSymbolId(id);
}

QByteArray ArrowSymbols::iconData(int id) const
{
    return m_database->getIconDataFromSymbolId(id);
}

QIcon ArrowSymbols::noArrowIcon() const
{
    return QIcon(QPixmap::fromImage(QImage::fromData(iconData(NoArrowSymbolId))));
}

QStandardItem* ArrowSymbols::item(int id) const
{
    noteAsked(id);
    return m_database->getItemFromSymbolId(id);
}

QList<QStandardItem*> ArrowSymbols::items() const
{
    return m_database->getItemsByCategory(QString(), true);
}
